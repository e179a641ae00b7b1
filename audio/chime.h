// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// A wake-up sound of the program's own, for when the start file cannot play.
class Chime : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts a minute of chiming without blocking the caller; false when no
    // sound device could be opened.
    virtual bool start() = 0;
    // Silent at once.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

Q_SIGNALS:
    // Once a chime started has played out or been stopped.
    void silent();
};
