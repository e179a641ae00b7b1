// SPDX-License-Identifier: MIT
#include "platform/mpris.h"

#include <QTimer>
#include <utility>

namespace Mpris {

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");

QDBusMessage playerCall(const QString &player, const QString &method, const QVariantList &arguments,
                        const QString &interface)
{
    QDBusMessage call = QDBusMessage::createMethodCall(player, Path, interface, method);
    call.setArguments(arguments);
    return call;
}

QDBusMessage getAll(const QString &player, const QString &interface)
{
    return playerCall(player, QStringLiteral("GetAll"), {interface}, QStringLiteral("org.freedesktop.DBus.Properties"));
}

QDBusMessage listNames()
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                          QStringLiteral("/org/freedesktop/DBus"),
                                          QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
}

QStringList players(const QDBusMessage &listNamesReply)
{
    QStringList players;
    for (const QString &name : listNamesReply.arguments().value(0).toStringList())
        if (name.startsWith(QLatin1String("org.mpris.MediaPlayer2."))
            && name != QLatin1String("org.mpris.MediaPlayer2.playerctld"))
            players << name;
    return players;
}

bool isGone(const QDBusError &error)
{
    return error.type() == QDBusError::ServiceUnknown
        || error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

Round::Round(const QDBusConnection &bus, QObject *context, std::function<void()> done)
    : bus_(bus)
    , context_(context)
    , done_(std::move(done))
{
}

std::shared_ptr<Round> Round::start(const QDBusConnection &bus, QObject *context, std::function<void()> done)
{
    std::shared_ptr<Round> round(new Round(bus, context, std::move(done)));
    QTimer::singleShot(TimeoutMs, context, [round] { round->finish(); });
    return round;
}

void Round::finishOne()
{
    if (--pending_ == 0)
        finish();
}

void Round::finish()
{
    if (!std::exchange(finished_, true))
        done_();
}

} // namespace Mpris
