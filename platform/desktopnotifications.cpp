// SPDX-License-Identifier: MIT
#include "platform/desktopnotifications.h"

#include <limits>

#include "platform/dbuscall.h"

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int TimeoutMs = 5000;
// A busy desktop may answer Notify late; the warning is wanted for its whole
// minute, and its id is needed to act on its buttons and withdraw it, so the
// answer is awaited for as long as it takes (asynchronously).
constexpr int NotifyTimeoutMs = std::numeric_limits<int>::max();
const QString CancelKey = QStringLiteral("cancel");
const QString ExtendKey = QStringLiteral("extend");

} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &sessionBus, QObject *parent)
    : EndWarning(parent)
    , bus_(sessionBus)
{
    bus_.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus_.connect(Service, Path, Service, QStringLiteral("NotificationClosed"), this, SLOT(closed(uint, uint)));
}

void DesktopNotifications::show(const QString &summary, const QString &body, int expireMs)
{
    wanted_ = true;
    clicksBeforeAnswer_.clear();
    // A warning replaced before its answer came is closed when it comes.
    shown_.drop();
    QDBusMessage notify = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    const QStringList actions {CancelKey, tr("Cancel"), ExtendKey, tr("+15 minutes")};
    const QVariantMap hints {{QStringLiteral("desktop-entry"), QStringLiteral("org.somnelle.Somnelle")},
                             {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    notify.setArguments({QStringLiteral("Somnelle"), id_, QStringLiteral("org.somnelle.Somnelle"), summary, body,
                         actions, hints, expireMs});
    DBusCall::sendOnce(
        bus_, notify, NotifyTimeoutMs, NotifyTimeoutMs, shown_, this,
        [this](const QDBusMessage &reply) {
            id_ = reply.arguments().value(0).toUInt();
            if (!wanted_) {
                withdraw();
                return;
            }
            for (const auto &[clicked, key] : std::exchange(clicksBeforeAnswer_, {}))
                actionInvoked(clicked, key);
        },
        [](const QDBusError &) {}, // no notification server: the warning is skipped
        [this](const QDBusMessage &reply) { close(reply.arguments().value(0).toUInt()); });
}

void DesktopNotifications::withdraw()
{
    wanted_ = false;
    if (id_ != 0)
        close(std::exchange(id_, 0u));
}

void DesktopNotifications::close(uint id)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("CloseNotification"));
    message.setArguments({id});
    bus_.asyncCall(message, TimeoutMs);
}

void DesktopNotifications::actionInvoked(uint id, const QString &key)
{
    // Qt may hand a signal over before the answer to a call that came ahead of
    // it (the answer takes one more queued step), so a click that follows a
    // late answer at once waits for that answer to give the warning its id.
    if (id != 0 && id_ == 0 && wanted_) {
        clicksBeforeAnswer_.append({id, key});
        return;
    }
    // Only the buttons offered act: some servers send "default" for a click on the body.
    if (id == 0 || id != id_ || !wanted_)
        return;
    if (key == CancelKey)
        Q_EMIT cancelRequested();
    else if (key == ExtendKey)
        Q_EMIT extendRequested();
}

void DesktopNotifications::closed(uint id, uint)
{
    if (id != 0 && id == id_)
        id_ = 0;
}
