// SPDX-License-Identifier: MIT
#pragma once

#include "audio/alsachime.h"
#include "audio/alsamixer.h"
#include "platform/desktopnotifications.h"
#include "platform/desktopshell.h"
#include "platform/launcherentry.h"
#include "platform/logindpower.h"
#include "platform/mprisnowplaying.h"
#include "platform/mprisplayers.h"
#include "platform/platform.h"
#include "platform/sleepinhibitor.h"
#include "platform/systemclock.h"
#include "platform/systemwakealarm.h"
#include "settings/inisettingsstore.h"

// The real adapters, built in the one place the program and the benchmarks
// share: settings file, ALSA and libpulse (the mixer's direct way to a
// sound server is built here and handed to it), xdg-open, logind, the session
// bus's inhibitors and media players (and the track they play), the system
// clock. A benchmark may put a stand-in of its own into platform before the
// program is built on it.
class RealPlatform {
public:
    explicit RealPlatform(const QString &settingsPath = IniSettingsStore::defaultPath());
    RealPlatform(const RealPlatform &) = delete;
    RealPlatform &operator=(const RealPlatform &) = delete;

    IniSettingsStore settings;
    PulseSink sink;
    AlsaMixer mixer;
    DesktopShell shell;
    LogindPower power;
    SleepInhibitor awake;
    SystemClock clock;
    MprisPlayers players;
    AlsaChime chime;
    DesktopNotifications warning;
    LauncherEntry progress;
    SystemWakeAlarm wake;
    MprisNowPlaying playing;
    Platform platform;
};
