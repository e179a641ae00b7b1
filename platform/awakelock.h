// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Keeps the computer from suspending itself for inactivity while a session
// runs, so that the alarm can ring. The screen may still blank.
class AwakeLock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Takes the lock unless it is held already; a failure is reported and the session goes on.
    virtual void hold() = 0;
    // Gives the lock back; released() once it is gone (at once when none was held).
    virtual void release() = 0;

Q_SIGNALS:
    void released();
};
