// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <optional>

#include "platform/nowplaying.h"
#include "session/sessionanswers.h"
#include "settings/tracknote.h"

class Clock;
class SettingsStore;

// Where the listener fell asleep: the player that plays when a fade is half
// way, its track and its place, kept with the settings (a new note replaces
// the last), offered for a day, and played again from there on that player,
// never anything else.
class SleepNote : public QObject {
    Q_OBJECT
public:
    SleepNote(SettingsStore &settings, NowPlaying &playing, Clock &clock, QObject *parent = nullptr);

    // The fade is half way: whatever plays is noted.
    void take();
    // The note worth offering now: of the last day, of a track of two minutes or more.
    std::optional<TrackNote> offer() const;
    // Plays the noted track again from its place: answered by resumed.
    void resume();

Q_SIGNALS:
    void resumed(ResumeOutcome outcome, const TrackNote &note);

private:
    void found(const PlayingTrack &track);
    void answer(ResumeOutcome outcome);

    SettingsStore &settings_;
    NowPlaying &playing_;
    Clock &clock_;
    bool taking_ = false;
    std::optional<TrackNote> resuming_;
};
