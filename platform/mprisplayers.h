// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>

#include "platform/mediaplayers.h"

// Media players over MPRIS on the session bus: each org.mpris.MediaPlayer2.*
// name but playerctld (a proxy for the others) that is playing and can pause
// gets Pause; one whose Pause fails gets Stop when it can be controlled.
// Never PlayPause. Every call is asynchronous, and pauseAll reports done
// after two seconds at the latest.
class MprisPlayers : public QObject, public MediaPlayers {
    Q_OBJECT
public:
    explicit MprisPlayers(const QDBusConnection &sessionBus, QObject *parent = nullptr);

    void pauseAll(std::function<void()> done) override;

    static constexpr int TimeoutMs = 2000;

private:
    struct Round;
    void pause(const std::shared_ptr<Round> &round, const QString &player);
    void call(const std::shared_ptr<Round> &round, const QDBusMessage &message,
              std::function<void(const QDBusMessage &reply)> answered);

    QDBusConnection bus_;
};
