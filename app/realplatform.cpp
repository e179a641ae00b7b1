// SPDX-License-Identifier: MIT
#include "app/realplatform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <cstdlib>

#include "app/application.h"
#include "session/startfile.h"

RealPlatform::RealPlatform(const QString &settingsPath)
    : settings(settingsPath)
    , power(QDBusConnection::systemBus())
    , awake(QDBusConnection::sessionBus(), QDBusConnection::systemBus())
    , players(QDBusConnection::sessionBus())
    , warning(QDBusConnection::sessionBus())
    , progress(QDBusConnection::sessionBus())
    , platform {&settings,
                &mixer,
                &shell,
                &power,
                &awake,
                &clock,
                &players,
                &chime,
                [] { std::_Exit(0); },
                [] { QCoreApplication::exit(0); },
                ShowErrorMessage,
                ProgramDataFolder(),
                &warning,
                &progress}
{
}
