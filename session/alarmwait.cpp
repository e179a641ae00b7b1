// SPDX-License-Identifier: MIT
#include "session/alarmwait.h"

#include "platform/clock.h"

namespace {

constexpr qint64 LookEveryMs = 60000;
constexpr qint64 HalfADaySecs = 12 * 3600;

// The moments of that day when the clock reads the alarm's minute, earliest
// first: one, two in the hour that repeats when the clock is set back, or,
// when the clock skips that minute, the first minute after the gap.
QList<QDateTime> onDay(QDate day, QTime alarm)
{
    for (int later = 0; later < 24 * 60; ++later) {
        const QTime minute = alarm.addSecs(later * 60);
        const QDateTime candidate(day, minute);
        if (!candidate.isValid() || candidate.time() != minute || candidate.date() != day)
            continue;
        // Whichever of a repeated minute's two moments Qt picked, the other lies
        // one offset change away from it.
        const int setBack
            = candidate.addSecs(-HalfADaySecs).offsetFromUtc() - candidate.addSecs(HalfADaySecs).offsetFromUtc();
        QList<QDateTime> moments;
        for (const qint64 shift : {-qint64(setBack), qint64(0), qint64(setBack)}) {
            const QDateTime moment = candidate.addSecs(shift);
            if ((shift == 0 || setBack > 0) && moment.time() == minute && moment.date() == day
                && !moments.contains(moment))
                moments << moment;
        }
        return moments;
    }
    return {QDateTime(day.addDays(1), QTime(0, 0))};
}

} // namespace

QDateTime AlarmWait::nextAlarmTime(const QDateTime &now, QTime alarm, QDate earliestDay)
{
    alarm = QTime(alarm.hour(), alarm.minute());
    const QTime clock = now.time();
    if (now.date() >= earliestDay && clock.hour() == alarm.hour() && clock.minute() == alarm.minute())
        return now;
    for (QDate day = qMax(earliestDay, now.date());; day = day.addDays(1))
        for (const QDateTime &moment : onDay(day, alarm))
            if (moment > now)
                return moment;
}

AlarmWait::AlarmWait(Clock &clock, QObject *parent)
    : QObject(parent)
    , clock_(clock)
{
    connect(&clock_, &Clock::wakeDue, this, &AlarmWait::look);
}

void AlarmWait::start(const QDateTime &target)
{
    target_ = target;
    waypoint_ = QDateTime();
    waiting_ = true;
    look();
}

void AlarmWait::stop()
{
    waiting_ = false;
    waypoint_ = QDateTime();
    clock_.stopWake();
}

void AlarmWait::setWaypoint(const QDateTime &moment)
{
    waypoint_ = moment;
    look();
}

void AlarmWait::look()
{
    if (!waiting_)
        return;
    const QDateTime now = clock_.localNow();
    if (waypoint_.isValid() && now >= waypoint_) {
        waypoint_ = QDateTime();
        Q_EMIT waypointReached();
        if (!waiting_)
            return;
    }
    const qint64 remaining = now.msecsTo(target_);
    if (remaining > 0) {
        const qint64 toWaypoint = waypoint_.isValid() ? now.msecsTo(waypoint_) : remaining;
        clock_.wakeAfter(qMin(qMin(remaining, toWaypoint), LookEveryMs));
        return;
    }
    waiting_ = false;
    Q_EMIT due();
}
