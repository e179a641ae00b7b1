// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>

#include "platform/power.h"

// Power-off and suspend through systemd-logind on the system bus. Every call
// is asynchronous with a timeout, so a slow or absent logind never freezes
// the window; refusals are written to standard error and signalled.
class LogindPower : public Power {
    Q_OBJECT
public:
    explicit LogindPower(const QDBusConnection &systemBus, QObject *parent = nullptr);

    void probePowerActions(EndAction chosen) override;
    void powerOff() override;
    void suspend() override;

private:
    QDBusMessage managerCall(const QString &method, const QVariantList &arguments = {}) const;
    // The reason for a refusal as logind gives it, and on standard error too.
    void refuse(const QString &what, const QDBusError &error);

    QDBusConnection bus_;
};
