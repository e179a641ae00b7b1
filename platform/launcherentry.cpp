// SPDX-License-Identifier: MIT
#include "platform/launcherentry.h"

#include <QDBusMessage>

LauncherEntry::LauncherEntry(const QDBusConnection &sessionBus, QObject *parent)
    : TaskbarProgress(parent)
    , bus_(sessionBus)
{
}

void LauncherEntry::show(double progress, int minutesLeft)
{
    update({{QStringLiteral("progress"), progress},
            {QStringLiteral("progress-visible"), true},
            {QStringLiteral("count"), qint64(minutesLeft)},
            {QStringLiteral("count-visible"), true}});
}

void LauncherEntry::clear()
{
    update({{QStringLiteral("progress-visible"), false}, {QStringLiteral("count-visible"), false}});
}

void LauncherEntry::update(const QVariantMap &properties)
{
    QDBusMessage signal
        = QDBusMessage::createSignal(QStringLiteral("/org/somnelle/Somnelle/LauncherEntry"),
                                     QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    signal.setArguments({QStringLiteral("application://org.somnelle.Somnelle.desktop"), properties});
    bus_.send(signal);
}
