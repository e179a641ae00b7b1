// SPDX-License-Identifier: MIT
#include "session/sleepuntilwakeup.h"

#include <utility>

#include "platform/awakelock.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/power.h"
#include "session/alarmwait.h"

using Kind = SessionNotice::Kind;

SleepUntilWakeUp::SleepUntilWakeUp(const Platform &platform, AlarmWait &alarm, QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , alarm_(alarm)
{
    connect(&alarm_, &AlarmWait::waypointReached, this, &SleepUntilWakeUp::wokeForTheWakeUp);
    connect(platform.wake, &WakeAlarm::routeFound, this, &SleepUntilWakeUp::routeFound);
    connect(platform.wake, &WakeAlarm::armed, this, &SleepUntilWakeUp::armed);
    connect(platform.wake, &WakeAlarm::armFailed, this, [this] {
        if (active_)
            Q_EMIT noticed(Kind::CannotWake);
    });
    connect(platform.awake, &AwakeLock::released, this, &SleepUntilWakeUp::lockReleased);
    connect(platform.power, &Power::refused, this, &SleepUntilWakeUp::refused);
    connect(platform.power, &Power::resumed, this, [this] { suspending_ = false; });
}

QDateTime SleepUntilWakeUp::wakeMoment() const
{
    // A minute ahead: the desktop, the sound server and the network come back first.
    return wakeUp_.addSecs(-60);
}

bool SleepUntilWakeUp::tooCloseToSleep() const
{
    // A suspend takes seconds to begin (logind may wait for other programs):
    // a wake that comes meanwhile is lost, and the computer sleeps through the alarm.
    return platform_.clock->localNow().secsTo(wakeMoment()) < 120;
}

void SleepUntilWakeUp::begin(const QDateTime &wakeUp, bool dryRun)
{
    wakeUp_ = wakeUp;
    active_ = true;
    if (tooCloseToSleep()) {
        Q_EMIT noticed(Kind::TooCloseToSleep);
        return;
    }
    // The way is looked for now, where it is used: a power manager may have come up since.
    if (dryRun) {
        routeWanted_ = true;
        platform_.wake->findRoute();
        return;
    }
    platform_.wake->arm(wakeMoment());
}

void SleepUntilWakeUp::end()
{
    active_ = routeWanted_ = releasing_ = suspending_ = false;
    platform_.wake->disarm();
}

bool SleepUntilWakeUp::isAsleep() const
{
    return active_ && platform_.wake->isArmed();
}

void SleepUntilWakeUp::routeFound(WakeAlarm::Route route)
{
    if (std::exchange(routeWanted_, false) && active_)
        Q_EMIT noticed(route == WakeAlarm::Route::None ? Kind::CannotWake : Kind::SleepsUntil);
}

void SleepUntilWakeUp::armed()
{
    if (!active_) {
        platform_.wake->disarm(); // the night ended while it was being armed
        return;
    }
    Q_EMIT noticed(Kind::SleepsUntil);
    alarm_.setWaypoint(wakeMoment());
    // The lock goes first, or it would hold off our own request; with the
    // wake armed, an idle suspend of the desktop's cannot miss the alarm either.
    releasing_ = true;
    platform_.awake->release();
}

void SleepUntilWakeUp::wokeForTheWakeUp()
{
    if (!isAsleep())
        return;
    // Up for the wake-up, by the wake or by hand: the wake is spent, and an
    // idle suspend now would sleep through the ring. The lock holds it off.
    releasing_ = suspending_ = false;
    platform_.wake->disarm();
    platform_.awake->hold();
    Q_EMIT noticed(Kind::AwakeForWakeUp);
}

void SleepUntilWakeUp::lockReleased()
{
    if (!std::exchange(releasing_, false) || !isAsleep())
        return;
    // The answers took their time: asleep now, the computer might not wake.
    if (tooCloseToSleep()) {
        platform_.wake->disarm();
        platform_.awake->hold();
        Q_EMIT noticed(Kind::TooCloseToSleep);
        return;
    }
    // Answered once the computer has resumed; the wait goes on either way.
    suspending_ = true;
    platform_.power->suspend();
}

void SleepUntilWakeUp::refused(const QString &reason)
{
    if (!std::exchange(suspending_, false) || !active_)
        return;
    platform_.wake->disarm();
    platform_.awake->hold();
    Q_EMIT noticed(Kind::SuspendRefused, reason);
}
