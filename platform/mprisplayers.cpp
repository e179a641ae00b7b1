// SPDX-License-Identifier: MIT
#include "platform/mprisplayers.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QTimer>
#include <memory>
#include <utility>

namespace {

const QString PlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString NamePrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString Proxy = QStringLiteral("org.mpris.MediaPlayer2.playerctld");

QDBusMessage playerCall(const QString &player, const QString &method)
{
    return QDBusMessage::createMethodCall(player, PlayerPath, PlayerInterface, method);
}

} // namespace

// One pauseAll: done runs once, when the last call has been answered or the time is up.
struct MprisPlayers::Round {
    std::function<void()> done;
    int pending = 0;
    void finishOne()
    {
        if (--pending == 0)
            finish();
    }
    void finish()
    {
        if (done)
            std::exchange(done, nullptr)();
    }
};

MprisPlayers::MprisPlayers(const QDBusConnection &sessionBus, QObject *parent)
    : QObject(parent)
    , bus_(sessionBus)
{
}

void MprisPlayers::call(const std::shared_ptr<Round> &round, const QDBusMessage &message,
                        std::function<void(const QDBusMessage &reply)> answered)
{
    ++round->pending;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, TimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, round, answered] {
        watcher->deleteLater();
        answered(watcher->reply());
        round->finishOne();
    });
}

void MprisPlayers::pauseAll(std::function<void()> done)
{
    auto round = std::make_shared<Round>();
    round->done = std::move(done);
    if (!bus_.isConnected()) {
        round->finish();
        return;
    }
    // A player that never answers holds nothing up for longer than this.
    QTimer::singleShot(TimeoutMs, this, [round] { round->finish(); });
    const QDBusMessage listNames = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
    call(round, listNames, [this, round](const QDBusMessage &reply) {
        for (const QString &name : reply.arguments().value(0).toStringList())
            if (name.startsWith(NamePrefix) && name != Proxy)
                pause(round, name);
    });
}

void MprisPlayers::pause(const std::shared_ptr<Round> &round, const QString &player)
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        player, PlayerPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    getAll.setArguments({PlayerInterface});
    call(round, getAll, [this, round, player](const QDBusMessage &reply) {
        const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        if (properties.value(QStringLiteral("PlaybackStatus")).toString() != QLatin1String("Playing")
            || !properties.value(QStringLiteral("CanPause")).toBool())
            return;
        const bool canControl = properties.value(QStringLiteral("CanControl")).toBool();
        call(round, playerCall(player, QStringLiteral("Pause")),
             [this, round, player, canControl](const QDBusMessage &paused) {
                 if (paused.type() == QDBusMessage::ErrorMessage && canControl)
                     call(round, playerCall(player, QStringLiteral("Stop")), [](const QDBusMessage &) {});
             });
    });
}
