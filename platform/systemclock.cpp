// SPDX-License-Identifier: MIT
#include "platform/systemclock.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#include <utility>

namespace {

// A timerfd read from the event loop; -1 and no notifier when there is none.
template <typename OnRead>
int newTimer(clockid_t clock, std::unique_ptr<QSocketNotifier> &notifier, OnRead onRead)
{
    const int fd = timerfd_create(clock, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd >= 0) {
        notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        notifier->setEnabled(false);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), onRead);
    }
    return fd;
}

// Stops a timer made by newTimer, and anything it had counted.
void disarm(int fd, QSocketNotifier *notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    const itimerspec off {};
    timerfd_settime(fd, 0, &off, nullptr);
}

} // namespace

SystemClock::SystemClock(QObject *parent)
    : Clock(parent)
{
    secondsFd_ = newTimer(CLOCK_MONOTONIC, secondsNotifier_, [this] {
        std::uint64_t expirations = 0;
        if (read(secondsFd_, &expirations, sizeof expirations) == sizeof expirations)
            secondsPassed(expirations);
    });
    // Without a timerfd, Qt's timer: it keeps to whole seconds too, but skips those it came over a second late for.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { secondsPassed(1); });
    wakeFd_ = newTimer(CLOCK_REALTIME, wakeNotifier_, [this] { wakeFdReadable(); });
    wakeTimer_.setSingleShot(true);
    QObject::connect(&wakeTimer_, &QTimer::timeout, &wakeTimer_, [this] { wakeFired(); });
}

SystemClock::~SystemClock()
{
    secondsNotifier_.reset();
    wakeNotifier_.reset();
    for (const int fd : {secondsFd_, wakeFd_})
        if (fd >= 0)
            close(fd);
}

void SystemClock::startSeconds()
{
    stopSeconds();
    counting_ = true;
    ++started_;
    const itimerspec everySecond {{1, 0}, {1, 0}};
    if (secondsFd_ >= 0 && timerfd_settime(secondsFd_, 0, &everySecond, nullptr) == 0)
        secondsNotifier_->setEnabled(true);
    else
        timer_.start(1000);
}

void SystemClock::stopSeconds()
{
    counting_ = false;
    timer_.stop();
    disarm(secondsFd_, secondsNotifier_.get());
}

void SystemClock::secondsPassed(quint64 count)
{
    // Each second may stop the seconds, or start them again from now.
    const quint64 started = started_;
    for (; count > 0 && counting_ && started == started_; --count)
        Q_EMIT second();
}

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::wakeAfter(qint64 ms)
{
    wakeTimer_.stop();
    waking_ = true;
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
    if (wakeFd_ >= 0 && timerfd_settime(wakeFd_, TFD_TIMER_ABSTIME, &due, nullptr) == 0) {
        wakeNotifier_->setEnabled(true);
        return;
    }
    // Without a timerfd, or one the kernel refused to set, a plain timer: the
    // caller's once-a-minute look still catches a resume. A wake set earlier
    // must not fire for this one.
    disarm(wakeFd_, wakeNotifier_.get());
    wakeTimer_.start(int(qMin<qint64>(ms, 60000)));
}

void SystemClock::stopWake()
{
    waking_ = false;
    wakeTimer_.stop();
    disarm(wakeFd_, wakeNotifier_.get());
}

void SystemClock::wakeFdReadable()
{
    std::uint64_t expirations = 0;
    if (read(wakeFd_, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
        return;
    wakeNotifier_->setEnabled(false);
    wakeFired();
}

void SystemClock::wakeFired()
{
    if (std::exchange(waking_, false))
        Q_EMIT wakeDue();
}
