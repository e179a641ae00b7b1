#pragma once

#include <QDateTime>
#include <functional>

class Clock;

// The first moment at or after now when the local clock reads the alarm's
// hour and minute: now itself when it reads them already. With tomorrow, the
// first such moment after the next midnight. A time that the clock skips
// (a daylight-saving gap) becomes the first minute after the gap.
QDateTime NextAlarmTime(const QDateTime &now, QTime alarm, bool tomorrow);

// Waits for a moment on the wall clock, asleep in the event loop. It looks at
// the clock at least once a minute and at its deadline, so a suspend or a
// clock change cannot make it miss: it fires as soon as the clock is at or
// past the target.
class AlarmWait {
public:
    explicit AlarmWait(Clock &clock);

    void start(const QDateTime &target, std::function<void()> due);
    void stop();
    bool isWaiting() const { return bool(due_); }

private:
    void look();

    Clock &clock_;
    QDateTime target_;
    std::function<void()> due_;
};
