// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QString>

#include "platform/startfile.h"

class AwakeLock;
class Chime;
class Clock;
class EndWarning;
class MediaPlayers;
class Mixer;
class NowPlaying;
class Power;
class SettingsStore;
class Shell;
class TaskbarProgress;
class WakeAlarm;

// The platform as the program sees it: the services it uses, none owned here.
// app/realplatform builds the real ones; tests give fakes, or a fake platform
// with one real adapter put in place of its fake.
struct Platform {
    SettingsStore *settings = nullptr;
    Mixer *mixer = nullptr;
    Shell *shell = nullptr;
    Power *power = nullptr;
    AwakeLock *awake = nullptr;
    Clock *clock = nullptr;
    MediaPlayers *players = nullptr;
    Chime *chime = nullptr;
    EndWarning *warning = nullptr;       // before the computer goes off
    TaskbarProgress *progress = nullptr; // the fade's progress on the task bar
    WakeAlarm *wake = nullptr;           // wakes the computer from a suspend for the alarm
    NowPlaying *playing = nullptr;       // the track playing: its end, and its place to find again
    // Where a start file with a relative name is looked for after the current folder.
    QString dataFolder = StartFile::programDataFolder();
    // The desktop's session bus, where the panel item is shown; without one, none is.
    QDBusConnection sessionBus = QDBusConnection(QString());
};
