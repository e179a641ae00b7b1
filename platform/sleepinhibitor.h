// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

#include "platform/awakelock.h"
#include "platform/dbuscall.h"

// Holds off the desktop's automatic suspend, never the screen's blanking.
// It takes the first of these that answers: the GNOME session manager
// (suspend flag only), the freedesktop power manager (KDE, XFCE), and
// logind's "sleep" block lock, held as a file descriptor.
class SleepInhibitor : public AwakeLock {
    Q_OBJECT
public:
    static const QString ApplicationId;

    SleepInhibitor(const QDBusConnection &sessionBus, const QDBusConnection &systemBus, QObject *parent = nullptr);
    ~SleepInhibitor() override;

    void hold() override;
    void release() override;

private:
    enum class Holder { None, GnomeSession, PowerManagement, Logind };

    void tryHolder(Holder holder);
    void took(Holder holder, const QDBusMessage &reply);
    void notTaken(Holder holder, const QDBusError &error);
    // Gives back whatever is held, then says released().
    void drop();

    QDBusConnection sessionBus_;
    QDBusConnection systemBus_;
    bool wanted_ = false;
    bool asking_ = false;
    DBusCall::Wanted asked_; // the answer to the holder asked last
    Holder held_ = Holder::None;
    uint cookie_ = 0;
    QDBusUnixFileDescriptor lock_;
};
