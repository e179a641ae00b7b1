// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// Wakes the suspended computer at a moment of the wall clock, so that the
// alarm can ring after a night asleep. None of the calls waits: each answer
// comes as a signal, possibly before the call returns.
class WakeAlarm : public QObject {
    Q_OBJECT
public:
    // Kernel: this program's own alarm timer. PowerManager: the desktop's
    // power manager sets it for us. None: nothing here can wake the computer.
    enum class Route { None, Kernel, PowerManager };
    Q_ENUM(Route)

    using QObject::QObject;

    // Finds how this computer can be woken now; answered by routeFound. A
    // second call while one is out is answered with it.
    virtual void findRoute() = 0;
    // Arms a wake at the moment, replacing any armed before, by the route found
    // last (finding it first if none was); answered by armed, or by armFailed
    // (also for a moment already passed).
    virtual void arm(const QDateTime &at) = 0;
    // Lets go of the armed wake, or of one being armed: the computer is not
    // woken for it. No answer; harmless when nothing is armed.
    virtual void disarm() = 0;
    // From armed until disarm.
    virtual bool isArmed() const = 0;

Q_SIGNALS:
    void routeFound(WakeAlarm::Route route);
    void armed(WakeAlarm::Route route);
    // A short reason for the user, never empty.
    void armFailed(const QString &reason);
};
