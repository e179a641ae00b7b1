// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>

// Time for the session: whole seconds counted on a monotonic clock for the
// fade, and the local wall clock for the alarm. Tests drive a fake.
class Clock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // second() once a second, the n-th n seconds after this call, until
    // stopSeconds(). A new start replaces the old one.
    virtual void startSeconds() = 0;
    virtual void stopSeconds() = 0;
    virtual QDateTime localNow() const = 0;
    // wakeDue() once, when the wall clock reads ms milliseconds later than
    // now, however it got there: by running, by being set, or right after the
    // computer resumes from a suspend that passed that time. It may come
    // sooner; the listener re-reads localNow(). A new wake replaces the old one.
    virtual void wakeAfter(qint64 ms) = 0;
    virtual void stopWake() = 0;

Q_SIGNALS:
    void second();
    void wakeDue();
};
