// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <memory>

#include "platform/clock.h"

class QSocketNotifier;

// Seconds on the monotonic clock, each one at its own whole second from the
// start (a periodic timerfd), so that the time a tick's work takes does not
// add up; seconds that came late are all counted at once. Between ticks the
// program sleeps in the event loop. A change of the wall clock does not move
// them.
// Wakes are timers on the wall clock (a timerfd on CLOCK_REALTIME, absolute):
// unlike Qt's timers, which count only while the computer runs, they fire as
// soon as it resumes or the clock is set past their time. They are not ended
// by every setting of the clock: some machines step it ten times a second.
class SystemClock : public Clock {
    Q_OBJECT
public:
    explicit SystemClock(QObject *parent = nullptr);
    ~SystemClock() override;

    void startSeconds() override;
    void stopSeconds() override;
    QDateTime localNow() const override;
    void wakeAfter(qint64 ms) override;
    void stopWake() override;

private:
    void secondsPassed(quint64 count);
    void wakeFdReadable();
    void wakeFired();

    QTimer timer_; // only without timerfds
    int secondsFd_ = -1;
    std::unique_ptr<QSocketNotifier> secondsNotifier_;
    bool counting_ = false;
    quint64 started_ = 0; // how many times the seconds were started

    int wakeFd_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
    QTimer wakeTimer_; // only when the timerfd cannot be set
    bool waking_ = false;
};
