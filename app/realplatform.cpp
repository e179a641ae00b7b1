// SPDX-License-Identifier: MIT
#include "app/realplatform.h"

#include <QDBusConnection>

#include "platform/startfile.h"

RealPlatform::RealPlatform(const QString &settingsPath)
    : settings(settingsPath)
    , mixer("default", &sink)
    , power(QDBusConnection::systemBus())
    , awake(QDBusConnection::sessionBus(), QDBusConnection::systemBus())
    , players(QDBusConnection::sessionBus())
    , warning(QDBusConnection::sessionBus())
    , progress(QDBusConnection::sessionBus())
    , wake(QDBusConnection::sessionBus())
    , platform {&settings, &mixer, &shell,   &power,    &awake, &clock,
                &players,  &chime, &warning, &progress, &wake,  StartFile::programDataFolder()}
{
    platform.sessionBus = QDBusConnection::sessionBus();
}
