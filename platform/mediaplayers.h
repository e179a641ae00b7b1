// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The media players of the desktop session.
class MediaPlayers : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks every player that is playing to pause; paused() once all have
    // answered, or after a short time at most, whatever they do.
    virtual void pauseAll() = 0;

Q_SIGNALS:
    void paused();
};
