// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>

#include "platform/power.h"

// Power-off and suspend through systemd-logind on the system bus. Every call
// is asynchronous with a timeout, so a slow or absent logind never freezes
// the window; refusals are written to standard error and handed back.
class LogindPower : public QObject, public Power {
    Q_OBJECT
public:
    explicit LogindPower(const QDBusConnection &systemBus, QObject *parent = nullptr);

    void probePowerActions(EndAction chosen) override;
    void powerOff(std::function<void(const QString &reason)> refused) override;
    void suspend(std::function<void(const QString &refusal)> answered) override;

private:
    void call(const QString &method, const QVariantList &arguments, int timeoutMs,
              std::function<void(const QDBusMessage &reply)> done);

    QDBusConnection bus_;
};
