// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <memory>

#include "platform/mediaplayers.h"

// Media players over MPRIS on the session bus: each org.mpris.MediaPlayer2.*
// name but playerctld (a proxy for the others) that is playing and can pause
// gets Pause; one that refuses Pause gets Stop when it can be controlled.
// Never PlayPause. Every call is asynchronous, and pauseAll is answered
// after two seconds at the latest.
class MprisPlayers : public MediaPlayers {
    Q_OBJECT
public:
    explicit MprisPlayers(const QDBusConnection &sessionBus, QObject *parent = nullptr);

    void pauseAll() override;

    static constexpr int TimeoutMs = 2000;

private:
    struct Round;
    void pause(const std::shared_ptr<Round> &round, const QString &player);
    // A call of the round's; answered runs for a reply, failed for none.
    template <typename Answered, typename Failed>
    void call(const std::shared_ptr<Round> &round, const QDBusMessage &message, Answered answered, Failed failed);

    QDBusConnection bus_;
};
