#include "session/alarmwait.h"

#include "session/clock.h"

namespace {

constexpr qint64 LookEveryMs = 60000;

// The alarm's minute on that day, or the first minute after it that the clock shows.
QDateTime onDay(QDate day, QTime alarm)
{
    for (int later = 0; later < 24 * 60; ++later) {
        const QTime minute = alarm.addSecs(later * 60);
        const QDateTime candidate(day, minute);
        if (candidate.isValid() && candidate.time() == minute && candidate.date() == day)
            return candidate;
    }
    return QDateTime(day.addDays(1), QTime(0, 0));
}

} // namespace

QDateTime NextAlarmTime(const QDateTime &now, QTime alarm, bool tomorrow)
{
    alarm = QTime(alarm.hour(), alarm.minute());
    if (tomorrow)
        return onDay(now.date().addDays(1), alarm);
    const QTime clock = now.time();
    if (clock.hour() == alarm.hour() && clock.minute() == alarm.minute())
        return now;
    const QDateTime today = onDay(now.date(), alarm);
    return today > now ? today : onDay(now.date().addDays(1), alarm);
}

AlarmWait::AlarmWait(Clock &clock)
    : clock_(clock)
{
}

void AlarmWait::start(const QDateTime &target, std::function<void()> due)
{
    target_ = target;
    due_ = std::move(due);
    look();
}

void AlarmWait::stop()
{
    due_ = nullptr;
    clock_.stopWake();
}

void AlarmWait::look()
{
    const qint64 remaining = clock_.localNow().msecsTo(target_);
    if (remaining > 0) {
        clock_.wakeAfter(qMin(remaining, LookEveryMs), [this] { look(); });
        return;
    }
    const std::function<void()> due = std::move(due_);
    due_ = nullptr;
    due();
}
