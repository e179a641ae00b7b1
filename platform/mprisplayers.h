// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <memory>

#include "platform/mediaplayers.h"
#include "platform/mpris.h"

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

    static constexpr int TimeoutMs = Mpris::TimeoutMs;

private:
    void pause(const std::shared_ptr<Mpris::Round> &round, const QString &player);

    QDBusConnection bus_;
};
