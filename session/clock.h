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
};
