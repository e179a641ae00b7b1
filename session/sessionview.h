// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <optional>

#include "session/sessionnotice.h"
#include "settings/setup.h"

// What the night is, as one plain value: the session says it whenever it
// changes, and the window, the panel's item and the --status line are drawn
// from it alone (SessionText words it).
struct SessionView {
    enum class Phase {
        Idle,
        Fading,
        PausingPlayers,     // the fade is over; the media players are asked to pause
        LeavingTheComputer, // the sleep lock is given back before the power action
        WaitingForWakeUp,
        OpeningStartFile, // the wake-up: the desktop has the start file and has not answered yet
        Chiming,          // the wake-up: our chime sounds, for a start file that cannot play
    };

    Phase phase = Phase::Idle;
    EndAction endAction = EndAction::Alarm;
    bool dryRun = false;
    QDateTime fadeEnd;             // while it fades
    QDateTime wakeUp;              // while it waits for the wake-up
    bool asleep = false;           // the computer sleeps until the wake-up: its wake is armed
    std::optional<quint8> percent; // the fade's level, from its start on
    bool withTrack = false;        // the night ends with the track playing
    bool trackPaused = false;      // ... which is paused: the fade waits for it
    // At rest, the end of the track playing now, followed for the window's minutes.
    std::optional<QDateTime> trackEnd;
    double left = 1;      // the share of the fade still to go, as the desktop is shown it
    SessionNotice notice; // what the status line says

    // From Start to the end action; the wake-up's sound is not a night any more.
    bool isRunning() const { return phase != Phase::Idle && !isSounding(); }
    bool isSounding() const { return phase == Phase::OpeningStartFile || phase == Phase::Chiming; }
    bool operator==(const SessionView &other) const
    {
        return phase == other.phase && endAction == other.endAction && dryRun == other.dryRun
            && fadeEnd == other.fadeEnd && wakeUp == other.wakeUp && asleep == other.asleep && percent == other.percent
            && left == other.left && notice == other.notice && withTrack == other.withTrack
            && trackPaused == other.trackPaused && trackEnd == other.trackEnd;
    }
    bool operator!=(const SessionView &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(SessionView)
