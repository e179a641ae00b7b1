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

    // Finds how this computer can be woken now, looking afresh each time;
    // answered by routeFound. A second call while one is out is answered with it.
    virtual void findRoute() = 0;
    // Arms a wake at the moment, replacing any armed before, by the route it
    // finds now (routeFound comes first); answered by armed, or by armFailed
    // (also for a moment already passed, or a power manager that is slow to
    // answer: a wake it sets after all is cleared).
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
