// SPDX-License-Identifier: MIT
#include "session/desktopnotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int TimeoutMs = 5000;

} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &sessionBus, QObject *parent)
    : QObject(parent)
    , bus_(sessionBus)
{
    bus_.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus_.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this, SLOT(closed(uint, uint)));
}

void DesktopNotifications::show(const QString &summary, const QString &body, int expireMs,
                                std::function<void(Action)> invoked)
{
    invoked_ = std::move(invoked);
    wanted_ = true;
    QDBusMessage notify = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    const QStringList actions {QStringLiteral("cancel"), QStringLiteral("Cancel"), QStringLiteral("extend"),
                               QStringLiteral("+15 minutes")};
    const QVariantMap hints {{QStringLiteral("desktop-entry"), QStringLiteral("org.somnelle.Somnelle")},
                             {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    notify.setArguments({QStringLiteral("Somnelle"), id_, QStringLiteral("org.somnelle.Somnelle"), summary, body,
                         actions, hints, expireMs});
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify, TimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError())
            return; // no notification server: the warning is skipped
        id_ = reply.value();
        if (!wanted_)
            withdraw();
    });
}

void DesktopNotifications::withdraw()
{
    wanted_ = false;
    invoked_ = nullptr;
    if (id_ == 0)
        return;
    QDBusMessage close = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("CloseNotification"));
    close.setArguments({std::exchange(id_, 0u)});
    bus_.asyncCall(close, TimeoutMs);
}

void DesktopNotifications::actionInvoked(uint id, const QString &key)
{
    if (id == 0 || id != id_ || !invoked_)
        return;
    const std::function<void(Action)> invoked = invoked_;
    invoked(key == QLatin1String("cancel") ? Action::Cancel : Action::Extend);
}

void DesktopNotifications::closed(uint id, uint)
{
    if (id != 0 && id == id_)
        id_ = 0;
}
