// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>

#include "platform/wakealarm.h"
#include "session/sessionnotice.h"

class AlarmWait;
struct Platform;

// "Sleep until then": in the wait for the wake-up the computer is suspended
// until a minute before it, when it can wake itself and that moment leaves
// time to go to sleep; otherwise it stays on, and says why. A dry run looks
// for the way all the same and says what the night would do. From the wake's
// moment on the computer is awake, and kept so until the wake-up.
class SleepUntilWakeUp : public QObject {
    Q_OBJECT
public:
    // alarm: the session's wait for the wake-up, which tells the wake's moment too.
    SleepUntilWakeUp(const Platform &platform, AlarmWait &alarm, QObject *parent = nullptr);

    void begin(const QDateTime &wakeUp, bool dryRun);
    // The wait is over: the wake is let go. The sleep lock is the session's.
    void end();
    // Asleep, or about to be: the wake is armed.
    bool isAsleep() const;

Q_SIGNALS:
    // For the status line: about the wake-up, or a refusal's reason.
    void noticed(SessionNotice::Kind kind, const QString &reason = {});

private:
    // When the computer is woken.
    QDateTime wakeMoment() const;
    bool tooCloseToSleep() const;
    void routeFound(WakeAlarm::Route route);
    void armed();
    void lockReleased();
    void refused(const QString &reason);
    void wokeForTheWakeUp();

    const Platform &platform_;
    AlarmWait &alarm_;
    QDateTime wakeUp_;
    bool active_ = false;
    bool routeWanted_ = false; // a dry run's look for the way
    bool releasing_ = false;   // the lock is given back before our suspend
    bool suspending_ = false;  // our suspend is out
};
