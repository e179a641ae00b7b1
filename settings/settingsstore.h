// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

// The eight stored values, in the order they are written and read. On
// reading, an empty optional is a value that is missing or of the wrong kind
// where that stops the loading; a missing text reads as an empty text.
struct StoredSetup {
    std::optional<QString> timer;
    std::optional<bool> sd;
    std::optional<bool> sm;
    std::optional<bool> am;
    std::optional<bool> tomorrow;
    std::optional<QString> wakeUpVolume;
    std::optional<QString> startFile;
    std::optional<double> alarmTime; // see settings/datetime.h
};

// Where the setup persists.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Creates the store when it is missing; a failure is silent.
    virtual void ensureSettingsFile() = 0;
    virtual StoredSetup read() = 0;
    // All eight values at once, or nothing. When they cannot be written it
    // answers false, with the message for the user in *error.
    virtual bool write(const StoredSetup &setup, QString *error) = 0;
};
