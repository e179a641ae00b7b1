// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

#include "session/sessionanswers.h"

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
    bool chimeSilent = false; // the start file cannot play, and no sound device for the chime either
    // Each saying has its own: the same words said again are news (a second Start without minutes).
    quint64 serial = 0;

    bool operator==(const SessionNotice &other) const
    {
        return kind == other.kind && moment == other.moment && detail == other.detail && refusal == other.refusal
            && chimeSilent == other.chimeSilent && serial == other.serial;
    }
    bool operator!=(const SessionNotice &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(SessionNotice)
