// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTime>
#include <optional>

// How a session ends once the volume is down.
enum class EndAction {
    None, // nothing more (possible only from a settings file that chose none)
    PowerOff,
    Suspend,
    Alarm, // wait for the wake-up, then raise the volume and open the start file
};

// What the user chose for a night. The window's fields, the command line and
// the settings file fill it; a session keeps its own copy from Start on. The
// two numbers are kept as they were entered: a stored or typed text need not
// be a number, and it shows as it stands until Start refuses it. A new one is
// what a new window shows.
struct Setup {
    QString minutes;
    EndAction endAction = EndAction::Alarm;
    QTime wakeUpTime = QTime(10, 21, 48, 560); // the wake-up's time of day
    bool tomorrow = false;                     // the wake-up comes after the next midnight
    QString wakeUpPercent;
    QString startFile = QStringLiteral("europe.mid");
    // In alarm mode, suspend the computer after the fade and let it wake itself for the alarm.
    bool sleepUntilAlarm = false;
    // The night lasts as long as the track playing now: the minutes follow it.
    bool endWithTrack = false;
    // The fade even to the ear, in decibels, rather than in even steps of the level. No field of the
    // window's: a command line and the stored setup choose it.
    bool decibelFade = false;
    bool dryRun = false; // at the end only say what would happen; never stored

    // The minutes, 1 to 255, and the wake-up percent, 1 to 100. Empty when
    // unset (empty, "0", "00") or not a plain decimal number.
    std::optional<quint8> minutesValue() const;
    std::optional<quint8> wakeUpPercentValue() const;
    // What the window's fields hold, from a setup the window made; the rest stays.
    void takeFieldsFrom(const Setup &window);
};
