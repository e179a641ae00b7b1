// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>

class Clock;

// Waits for a moment on the wall clock, asleep in the event loop. It looks at
// the clock at least once a minute and at its deadline, so a suspend or a
// clock change cannot make it miss: due() comes as soon as the clock is at or
// past the target.
class AlarmWait : public QObject {
    Q_OBJECT
public:
    explicit AlarmWait(Clock &clock, QObject *parent = nullptr);

    // The first moment at or after now, on earliestDay or later, when the local
    // clock reads the alarm's hour and minute: now itself when it reads them
    // already. earliestDay is today, or for "Tomorrow" the day after the session
    // started. A time that the clock skips (a daylight-saving gap) becomes the
    // first minute after the gap; a time that it shows twice (the hour repeated
    // when it is set back) counts at either of its two moments.
    static QDateTime nextAlarmTime(const QDateTime &now, QTime alarm, QDate earliestDay);

    // due() once the target is reached, at once when it is already.
    void start(const QDateTime &target);
    void stop();
    // A moment before the target that is to be told too, as exactly: waypointReached() then.
    void setWaypoint(const QDateTime &moment);

Q_SIGNALS:
    void due();
    void waypointReached();

private:
    void look();

    Clock &clock_;
    QDateTime target_;
    QDateTime waypoint_;
    bool waiting_ = false;
};
