#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "session/clock.h"

// Seconds on the monotonic clock, each one aimed at its own deadline from the
// start so that the time a tick's work takes does not add up; between ticks
// the program sleeps in the event loop. A change of the wall clock does not
// move them.
class SystemClock : public Clock {
public:
    SystemClock();

    void startSeconds(std::function<void()> onSecond) override;
    void stopSeconds() override;
    QDateTime localNow() const override;

private:
    void scheduleNext();

    QTimer timer_;
    QElapsedTimer started_;
    qint64 seconds_ = 0;
    std::function<void()> onSecond_;
};
