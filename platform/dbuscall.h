// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

// Every asynchronous bus call of the program goes out here: with its own
// time-out, and with exactly one of the two handlers run afterwards on the
// context's thread, none once the context is gone. answered gets the reply;
// failed gets why there is none: an error from the service, no such service,
// no bus, or no answer in time (QDBusError::NoReply) all take this one path.
namespace DBusCall {

template <typename Answered, typename Failed>
void send(const QDBusConnection &bus, const QDBusMessage &call, int timeoutMs, QObject *context, Answered answered,
          Failed failed)
{
    // Without a bus Qt's pending call never finishes: it fails here, afterwards all the same.
    if (!bus.isConnected()) {
        const QDBusError error(QDBusError::Disconnected, QStringLiteral("Not connected to D-Bus server"));
        QMetaObject::invokeMethod(
            context, [failed, error] { failed(error); }, Qt::QueuedConnection);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered, failed] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ReplyMessage)
            answered(reply);
        else
            failed(QDBusError(reply));
    });
}

} // namespace DBusCall
