// SPDX-License-Identifier: MIT
#include "platform/mprisplayers.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QTimer>

#include "platform/dbuscall.h"

namespace {

const QString PlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString NamePrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString Proxy = QStringLiteral("org.mpris.MediaPlayer2.playerctld");

QDBusMessage playerCall(const QString &player, const QString &method)
{
    return QDBusMessage::createMethodCall(player, PlayerPath, PlayerInterface, method);
}

const auto Ignored = [](const auto &) {};

} // namespace

// One pauseAll: answered once, when the last call has been answered or the time is up.
struct MprisPlayers::Round {
    MprisPlayers *players;
    int pending = 0;
    bool answered = false;
    void finishOne()
    {
        if (--pending == 0)
            finish();
    }
    void finish()
    {
        if (!std::exchange(answered, true))
            Q_EMIT players->paused();
    }
};

MprisPlayers::MprisPlayers(const QDBusConnection &sessionBus, QObject *parent)
    : MediaPlayers(parent)
    , bus_(sessionBus)
{
}

template <typename Answered, typename Failed>
void MprisPlayers::call(const std::shared_ptr<Round> &round, const QDBusMessage &message, Answered answered,
                        Failed failed)
{
    ++round->pending;
    DBusCall::send(
        bus_, message, TimeoutMs, this,
        [round, answered](const QDBusMessage &reply) {
            answered(reply);
            round->finishOne();
        },
        [round, failed](const QDBusError &error) {
            failed(error);
            round->finishOne();
        });
}

void MprisPlayers::pauseAll()
{
    auto round = std::make_shared<Round>(Round {this});
    if (!bus_.isConnected()) {
        round->finish();
        return;
    }
    // A player that never answers holds nothing up for longer than this.
    QTimer::singleShot(TimeoutMs, this, [round] { round->finish(); });
    const QDBusMessage listNames = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
    call(
        round, listNames,
        [this, round](const QDBusMessage &reply) {
            for (const QString &name : reply.arguments().value(0).toStringList())
                if (name.startsWith(NamePrefix) && name != Proxy)
                    pause(round, name);
        },
        Ignored);
}

void MprisPlayers::pause(const std::shared_ptr<Round> &round, const QString &player)
{
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        player, PlayerPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    getAll.setArguments({PlayerInterface});
    call(
        round, getAll,
        [this, round, player](const QDBusMessage &reply) {
            const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
            if (properties.value(QStringLiteral("PlaybackStatus")).toString() != QLatin1String("Playing")
                || !properties.value(QStringLiteral("CanPause")).toBool())
                return;
            const bool canControl = properties.value(QStringLiteral("CanControl")).toBool();
            call(round, playerCall(player, QStringLiteral("Pause")), Ignored,
                 [this, round, player, canControl](const QDBusError &error) {
                     // Stop is for a player that refuses; a slow one would lose its place.
                     if (canControl && error.type() != QDBusError::NoReply)
                         call(round, playerCall(player, QStringLiteral("Stop")), Ignored, Ignored);
                 });
        },
        Ignored);
}
