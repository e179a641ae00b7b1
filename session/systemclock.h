#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <memory>

#include "session/clock.h"

class QSocketNotifier;

// Seconds on the monotonic clock, each one aimed at its own deadline from the
// start so that the time a tick's work takes does not add up; between ticks
// the program sleeps in the event loop. A change of the wall clock does not
// move them.
// Wakes are timers on the wall clock (a timerfd on CLOCK_REALTIME): unlike
// Qt's timers, which count only while the computer runs, they fire as soon as
// it resumes past their time, and the kernel ends them early when the clock is set.
class SystemClock : public Clock {
public:
    SystemClock();
    ~SystemClock() override;

    void startSeconds(std::function<void()> onSecond) override;
    void stopSeconds() override;
    QDateTime localNow() const override;
    void wakeAfter(qint64 ms, std::function<void()> onWake) override;
    void stopWake() override;

private:
    void scheduleNext();
    void wakeFired();

    QTimer timer_;
    QElapsedTimer started_;
    qint64 seconds_ = 0;
    std::function<void()> onSecond_;

    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
    std::function<void()> onWake_;
};
