// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QTimer>
#include <memory>
#include <utility>

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

// The answers still wanted to the calls of one kind: those sent through it
// since the last drop(). An answer no longer wanted is not heard (or, through
// sendOnce, is undone): the one way an adapter lets go of what it asked.
class Wanted {
public:
    // Whether the calls sent now are still wanted, as their handlers ask it.
    std::shared_ptr<const bool> now()
    {
        if (!now_)
            now_ = std::make_shared<bool>(true);
        return now_;
    }
    void drop()
    {
        if (now_)
            *std::exchange(now_, nullptr) = false;
    }

private:
    std::shared_ptr<bool> now_;
};

// As send, heard while wanted.
template <typename Answered, typename Failed>
void send(const QDBusConnection &bus, const QDBusMessage &call, int timeoutMs, Wanted &wanted, QObject *context,
          Answered answered, Failed failed)
{
    send(
        bus, call, timeoutMs, context,
        [wanted = wanted.now(), answered](const QDBusMessage &reply) {
            if (*wanted)
                answered(reply);
        },
        [wanted = wanted.now(), failed](const QDBusError &error) {
            if (*wanted)
                failed(error);
        });
}

// A call that is decided once, while wanted: by its answer, its failure or,
// after decideMs, the lack of an answer, whichever comes first. An answer that
// comes after that, or after the call was dropped, runs undo instead, to give
// back what the call took (a lock, a wake). context: whose thread hears them
// all; none runs once it is gone.
template <typename Answered, typename Failed, typename Undo>
void sendOnce(const QDBusConnection &bus, const QDBusMessage &call, int timeoutMs, int decideMs, Wanted &wanted,
              QObject *context, Answered answered, Failed failed, Undo undo)
{
    const auto open = std::make_shared<bool>(true);
    const auto decides = [wanted = wanted.now(), open] { return *wanted && std::exchange(*open, false); };
    send(
        bus, call, timeoutMs, context,
        [decides, answered, undo](const QDBusMessage &reply) {
            if (decides())
                answered(reply);
            else
                undo(reply);
        },
        [decides, failed](const QDBusError &error) {
            if (decides())
                failed(error);
        });
    if (decideMs < timeoutMs)
        QTimer::singleShot(decideMs, context, [decides, failed] {
            if (decides())
                failed(QDBusError(QDBusError::NoReply, QStringLiteral("no answer in time")));
        });
}

} // namespace DBusCall
