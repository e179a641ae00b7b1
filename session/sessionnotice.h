// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

#include "session/sessionanswers.h"
#include "settings/tracknote.h"

// What the status line is to say, as data; SessionText puts it into words.
struct SessionNotice {
    enum class Kind {
        Nothing,
        FadingUntil,         // moment: the fade's end
        FadingToNothing,     // the same, for a night that has no end action
        SetTimer,            // Start found a field missing
        SetVolume,           //
        InvalidParameters,   // a command line did not convert
        ExtendRefused,       // refusal: why
        NothingPlaying,      // a night that ends with the track found none
        TrackHasNoEnd,       // ... found a stream
        TrackPaused,         // the track the night ends with is paused: so is the fade
        ResumeAnswered,      // resumed: what came of it; note: the place
        SoonToGetUp,         // the wait for the wake-up begins
        SleepsUntil,         // moment: the wake-up; for a dry run, that it would
        AwakeForWakeUp,      // moment: the wake-up; the computer woke itself for it
        CannotWake,          // moment: the wake-up, the computer stays on until it
        TooCloseToSleep,     // the same, for a wake-up too soon after the fade
        WouldPowerOffNow,    // a dry run's end
        WouldSuspendNow,     //
        PowerOffRefused,     // detail: the system's reason
        SuspendRefused,      //
        StartFileMissing,    // detail: the start file as the setup names it
        StartFileNotAFile,   //
        StartFileUnreadable, //
        StartFileNotOpened,  //
    };

    Kind kind = Kind::Nothing;
    QDateTime moment;
    QString detail;
    ExtendAnswer refusal;
    ResumeOutcome resumed = ResumeOutcome::Resumed;
    TrackNote note;
    bool chimeSilent = false; // the start file cannot play, and no sound device for the chime either
    // Each saying has its own: the same words said again are news (a second Start without minutes).
    quint64 serial = 0;

    // A saying is changed only before it is told: its serial tells it apart.
    bool operator==(const SessionNotice &other) const { return serial == other.serial; }
    bool operator!=(const SessionNotice &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(SessionNotice)
