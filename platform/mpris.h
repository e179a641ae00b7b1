// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/dbuscall.h"

// What the adapters of media players share: the players' names and calls on
// the session bus (MPRIS), and rounds of calls that are answered together.
namespace Mpris {

// No player holds anything up for longer than this.
constexpr int TimeoutMs = 2000;

extern const QString PlayerInterface; // org.mpris.MediaPlayer2.Player
extern const QString Path;            // where every player has its object

// A method of one of the player's interfaces.
QDBusMessage playerCall(const QString &player, const QString &method, const QVariantList &arguments = {},
                        const QString &interface = PlayerInterface);
QDBusMessage getAll(const QString &player, const QString &interface = PlayerInterface);
// The bus's ListNames; players() picks the players from its answer, without
// playerctld, a proxy for the others.
QDBusMessage listNames();
QStringList players(const QDBusMessage &listNamesReply);
// A failure that says the player is not on the bus (any more).
bool isGone(const QDBusError &error);

// Calls sent together and answered once, by done: when the last of them has
// been answered, or after TimeoutMs, whatever the players do. A call's
// handlers may send more calls of the round.
class Round : public std::enable_shared_from_this<Round> {
public:
    static std::shared_ptr<Round> start(const QDBusConnection &bus, QObject *context, std::function<void()> done);

    template <typename Answered, typename Failed>
    void call(const QDBusMessage &message, Answered answered, Failed failed)
    {
        ++pending_;
        DBusCall::send(
            bus_, message, TimeoutMs, context_,
            [self = shared_from_this(), answered](const QDBusMessage &reply) {
                answered(reply);
                self->finishOne();
            },
            [self = shared_from_this(), failed](const QDBusError &error) {
                failed(error);
                self->finishOne();
            });
    }

private:
    Round(const QDBusConnection &bus, QObject *context, std::function<void()> done);
    void finishOne();
    void finish();

    QDBusConnection bus_;
    QObject *context_;
    std::function<void()> done_;
    int pending_ = 0;
    bool finished_ = false;
};

const auto Ignored = [](const auto &) {};

} // namespace Mpris
