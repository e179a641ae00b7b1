// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <functional>

// Time for the session: whole seconds counted on a monotonic clock for the
// fade, and the local wall clock for the alarm. Tests drive a fake.
class Clock {
public:
    virtual ~Clock() = default;
    // Calls onSecond once a second, the n-th call n seconds after this one,
    // until stopSeconds(). A new start replaces the old one.
    virtual void startSeconds(std::function<void()> onSecond) = 0;
    virtual void stopSeconds() = 0;
    virtual QDateTime localNow() const = 0;
    // Calls onWake once, when the wall clock reads ms milliseconds later than
    // now, however it got there: by running, by being set, or right after the
    // computer resumes from a suspend that passed that time. It may call
    // sooner; the caller re-reads localNow(). A new wake replaces the old one.
    virtual void wakeAfter(qint64 ms, std::function<void()> onWake) = 0;
    virtual void stopWake() = 0;
};
