#include "session/systemclock.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

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

    wakeFd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wakeFd_ >= 0) {
        wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
        wakeNotifier_->setEnabled(false);
        QObject::connect(wakeNotifier_.get(), &QSocketNotifier::activated, wakeNotifier_.get(), [this] { wakeFired(); });
    }
}

SystemClock::~SystemClock()
{
    wakeNotifier_.reset();
    if (wakeFd_ >= 0)
        close(wakeFd_);
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

void SystemClock::wakeAfter(qint64 ms, std::function<void()> onWake)
{
    onWake_ = std::move(onWake);
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    ms = qMax<qint64>(ms, 1);
    itimerspec due {};
    due.it_value.tv_sec = now.tv_sec + ms / 1000;
    due.it_value.tv_nsec = now.tv_nsec + (ms % 1000) * 1000000;
    if (due.it_value.tv_nsec >= 1000000000) {
        due.it_value.tv_sec += 1;
        due.it_value.tv_nsec -= 1000000000;
    }
    if (wakeFd_ >= 0
        && timerfd_settime(wakeFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &due, nullptr) == 0) {
        wakeNotifier_->setEnabled(true);
        return;
    }
    // Without a timerfd, a plain timer: the caller's once-a-minute look still catches a resume.
    QTimer::singleShot(int(qMin<qint64>(ms, 60000)), &timer_, [this] { wakeFired(); });
}

void SystemClock::stopWake()
{
    onWake_ = nullptr;
    if (wakeNotifier_) {
        wakeNotifier_->setEnabled(false);
        const itimerspec off {};
        timerfd_settime(wakeFd_, 0, &off, nullptr);
    }
}

void SystemClock::wakeFired()
{
    if (wakeNotifier_) {
        // Either the expiry count or ECANCELED (the clock was set); both mean "look again".
        std::uint64_t expirations = 0;
        if (read(wakeFd_, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
            return;
        wakeNotifier_->setEnabled(false);
    }
    if (!onWake_)
        return;
    const std::function<void()> onWake = std::move(onWake_);
    onWake_ = nullptr;
    onWake();
}
