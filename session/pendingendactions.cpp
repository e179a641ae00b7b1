#include "session/pendingendactions.h"

#include <QDebug>

void PendingEndActions::record(const QString &action)
{
    requested << action;
    qInfo().noquote() << "Somnelle: end action not available yet:" << action;
}

void PendingEndActions::EnableShutdownPrivilege()
{
    requested << QStringLiteral("privilege");
}

void PendingEndActions::powerOff()
{
    record(QStringLiteral("power off"));
}

void PendingEndActions::suspend()
{
    record(QStringLiteral("suspend"));
}

void PendingEndActions::wakeUp(quint8 percent, std::optional<quint32>, bool tomorrow, std::function<void()> rang)
{
    record(QStringLiteral("wake up at %1 %%2").arg(percent).arg(tomorrow ? QStringLiteral(", tomorrow") : QString()));
    rang();
}

void PendingEndActions::cancelWakeUp()
{
    record(QStringLiteral("cancel wake-up"));
}
