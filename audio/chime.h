// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// A wake-up sound of the program's own, for when the start file cannot play.
class Chime : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts a minute of chiming without waiting for the sound device:
    // answered by started(), or by unavailable() when none could be opened.
    virtual void start() = 0;
    // Silent at once, also before the start has answered (it answers nothing
    // then); silent() tells so when a chime was going.
    virtual void stop() = 0;

Q_SIGNALS:
    void started();
    // No sound device: the chime is silent, and no silent() follows.
    void unavailable();
    // Once a chime started has played out or been stopped.
    void silent();
};
