#include "session/systemclock.h"

SystemClock::SystemClock()
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        // A timer may wake a little early; a second never counts before its time.
        if (started_.elapsed() < (seconds_ + 1) * 1000) {
            scheduleNext();
            return;
        }
        ++seconds_;
        scheduleNext();
        // Last: the callback may stop or restart the seconds.
        const std::function<void()> onSecond = onSecond_;
        onSecond();
    });
}

void SystemClock::startSeconds(std::function<void()> onSecond)
{
    onSecond_ = std::move(onSecond);
    seconds_ = 0;
    started_.start();
    scheduleNext();
}

void SystemClock::stopSeconds()
{
    timer_.stop();
    onSecond_ = nullptr;
}

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::scheduleNext()
{
    const qint64 due = (seconds_ + 1) * 1000 - started_.elapsed();
    timer_.start(int(qMax<qint64>(0, due)));
}
