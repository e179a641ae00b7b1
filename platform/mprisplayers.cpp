// SPDX-License-Identifier: MIT
#include "platform/mprisplayers.h"

#include <QDBusArgument>
#include <QDBusMetaType>

#include "platform/mpris.h"

using Mpris::Ignored;

MprisPlayers::MprisPlayers(const QDBusConnection &sessionBus, QObject *parent)
    : MediaPlayers(parent)
    , bus_(sessionBus)
{
}

void MprisPlayers::pauseAll()
{
    // Without a bus the list fails at once, and the round with it.
    const auto round = Mpris::Round::start(bus_, this, [this] { Q_EMIT paused(); });
    round->call(
        Mpris::listNames(),
        [this, round](const QDBusMessage &reply) {
            for (const QString &player : Mpris::players(reply))
                pause(round, player);
        },
        Ignored);
}

void MprisPlayers::pause(const std::shared_ptr<Mpris::Round> &round, const QString &player)
{
    round->call(
        Mpris::getAll(player),
        [round, player](const QDBusMessage &reply) {
            const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
            if (properties.value(QStringLiteral("PlaybackStatus")).toString() != QLatin1String("Playing")
                || !properties.value(QStringLiteral("CanPause")).toBool())
                return;
            const bool canControl = properties.value(QStringLiteral("CanControl")).toBool();
            round->call(Mpris::playerCall(player, QStringLiteral("Pause")), Ignored,
                        [round, player, canControl](const QDBusError &error) {
                            // Stop is for a player that refuses; a slow one would lose its place.
                            if (canControl && error.type() != QDBusError::NoReply)
                                round->call(Mpris::playerCall(player, QStringLiteral("Stop")), Ignored, Ignored);
                        });
        },
        Ignored);
}
