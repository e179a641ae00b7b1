// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "settings/tracknote.h"

struct Setup;

// Where the setup persists. Its values are, in the order they are stored:
// the minutes, the three end actions' flags, "Tomorrow", the wake-up percent,
// the start file, the wake-up time and whether to sleep until then. A
// session's dry run is never stored.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Creates the store when it is missing; a failure is silent.
    virtual void ensureSettingsFile() = 0;
    // Puts the stored values into setup in their order. It stops at the first
    // value that is missing or of the wrong kind (a missing text reads as
    // empty): the values before it stay applied, the rest keep what they had.
    virtual void load(Setup &setup) = 0;
    // All values at once, or nothing. When they cannot be written it answers
    // false, with the message for the user in *error.
    virtual bool save(const Setup &setup, QString *error) = 0;

    // Where the listener fell asleep, kept beside the setup; a new one replaces
    // the last. Kept as the setup is, or not at all: nobody is told.
    virtual void saveNote(const TrackNote &note) = 0;
    virtual std::optional<TrackNote> loadNote() = 0;
    // A note acted on, or refused, is not offered again.
    virtual void forgetNote() = 0;
};
