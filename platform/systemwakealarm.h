// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>

#include "platform/dbuscall.h"
#include "platform/wakealarm.h"

class WakeupCallback;

// The routes, in this order, looked for afresh each time. None at all where
// the machine has no clock that can wake it (clock_getres refuses the alarm
// clocks): the power manager's route ends in the same kernel timer.
// Kernel: this process holds CAP_WAKE_ALARM (pam_systemd gives it to a user
// at a local seat since systemd 254): a CLOCK_REALTIME_ALARM timerfd, armed
// for the moment and closed to disarm. Its expiry is never read: the timer
// only wakes the machine, the program's own wait does the rest.
// PowerManager: the process that owns org.kde.Solid.PowerManagement on the
// session bus holds CAP_WAKE_ALARM: its scheduleWakeup, with a callback
// object of ours that it calls after the wake, and clearWakeup to disarm.
class SystemWakeAlarm : public WakeAlarm {
    Q_OBJECT
public:
    // Where the power manager calls back on our connection.
    static const QString CallbackPath;

    explicit SystemWakeAlarm(const QDBusConnection &sessionBus, QObject *parent = nullptr);
    ~SystemWakeAlarm() override;

    void findRoute() override;
    void arm(const QDateTime &at) override;
    void disarm() override;
    bool isArmed() const override;

private:
    void found(Route route);
    void armBy(Route route);
    void armPowerManager(const QDateTime &at);
    // Answers armFailed, and says why on standard error too.
    void fail(const QString &reason);

    QDBusConnection bus_;
    bool finding_ = false;
    // A wake asked for, waiting for the route.
    QDateTime wanted_;
    Route armed_ = Route::None;
    int timer_ = -1;
    uint cookie_ = 0;
    // The power manager's answer while wanted; one to a request let go is undone.
    DBusCall::Wanted scheduled_;
    WakeupCallback *callback_;
};
