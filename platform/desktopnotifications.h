// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>

#include "platform/dbuscall.h"
#include "platform/endwarning.h"

// The warning through the desktop's notification server
// (org.freedesktop.Notifications) on the session bus. Every call is
// asynchronous with a timeout; without a server nothing is shown, nothing
// blocks and nothing is reported; a server without actions shows it without
// buttons.
class DesktopNotifications : public EndWarning {
    Q_OBJECT
public:
    explicit DesktopNotifications(const QDBusConnection &sessionBus, QObject *parent = nullptr);

    void show(const QString &summary, const QString &body, int expireMs) override;
    void withdraw() override;

private Q_SLOTS:
    void actionInvoked(uint id, const QString &key);
    void closed(uint id, uint reason);

private:
    void close(uint id);

    QDBusConnection bus_;
    DBusCall::Wanted shown_; // the answer to the last Notify: an earlier one's is out of date
    uint id_ = 0;            // the notification shown, once the server has answered
    bool wanted_ = false;    // shown and not withdrawn: its buttons act; withdrawn before the answer, closed then
    QList<std::pair<uint, QString>> clicksBeforeAnswer_; // (id, key) of actions that came before the id
};
