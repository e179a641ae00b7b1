#pragma once

#include <QStringList>

#include "session/endactions.h"

// Stands in for the power and alarm actions until they are connected to
// logind and the wake-up: it records and reports what was asked for, and
// a wake-up completes at once.
class PendingEndActions : public EndActions {
public:
    QStringList requested;

    void EnableShutdownPrivilege() override;
    void powerOff() override;
    void suspend() override;
    void wakeUp(quint8 percent, std::optional<quint32> savedWave, bool tomorrow, std::function<void()> rang) override;
    void cancelWakeUp() override;

private:
    void record(const QString &action);
};
