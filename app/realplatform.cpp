// SPDX-License-Identifier: MIT
#include "app/realplatform.h"

#include <QDBusConnection>

RealPlatform::RealPlatform(const QString &settingsPath)
    : settings(settingsPath)
    , mixer("default", &sink)
    , power(QDBusConnection::systemBus())
    , awake(QDBusConnection::sessionBus(), QDBusConnection::systemBus())
    , players(QDBusConnection::sessionBus())
    , warning(QDBusConnection::sessionBus())
    , progress(QDBusConnection::sessionBus())
    , wake(QDBusConnection::sessionBus())
    , playing(QDBusConnection::sessionBus())
    , platform {&settings, &mixer, &shell,   &power,    &awake, &clock,
                &players,  &chime, &warning, &progress, &wake,  &playing}
{
    platform.sessionBus = QDBusConnection::sessionBus();
}
