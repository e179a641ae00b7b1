// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// What the session has to say on the status line, as data; SessionText puts
// it into words.
struct SessionNotice {
    enum class Kind {
        Nothing,
        FadingUntil,     // moment: the fade's end
        FadingToNothing, // the same, for a night that has no end action
        SetTimer,    // Start found a field missing
        SetVolume,
        SoonToGetUp,        // the wait for the wake-up begins
        SleepsUntil,        // moment: the wake-up; for a dry run, that it would
        AwakeForWakeUp,     // moment: the wake-up; the computer woke itself for it
        CannotWake,         // moment: the wake-up, the computer stays on until it
        TooCloseToSleep,    // the same, for a wake-up too soon after the fade
        WouldPowerOffNow,   // a dry run's end
        WouldSuspendNow,    //
        PowerOffRefused,    // detail: the system's reason
        SuspendRefused,     //
        StartFileMissing,   // detail: the start file as the setup names it
        StartFileNotAFile,  //
        StartFileUnreadable, //
        StartFileNotOpened, //
    };

    Kind kind = Kind::Nothing;
    QDateTime moment;
    QString detail;
    bool dryRun = false;      // what the night would do, not what it does
    bool chimeSilent = false; // the start file cannot play, and no sound device for the chime either
};
Q_DECLARE_METATYPE(SessionNotice)
