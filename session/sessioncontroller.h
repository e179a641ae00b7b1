// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <optional>

#include "platform/wakealarm.h"
#include "session/alarmwait.h"
#include "session/fade.h"
#include "session/fadeprogress.h"
#include "session/sessionnotice.h"
#include "session/sleepuntilwakeup.h"
#include "settings/setup.h"

struct Platform;
class VolumeControl;

// The sleep session: Start checks the setup, saves it and fades the master
// volume to 0 over the chosen minutes, one step a second; then it mutes the
// wave output and hands over to the chosen end action: power-off, suspend,
// or the wait for the wake-up. It runs on the event loop: between seconds,
// and while it waits for the wake-up, the program sleeps. While it runs, the
// computer is kept from suspending itself, and the session holds the mixer.
// It says what happens as data (phase, notices, percent); others word it.
class SessionController : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Idle,
        Fading,
        PausingPlayers,     // the fade is over; the media players are asked to pause
        LeavingTheComputer, // the sleep lock is given back before the power action
        WaitingForWakeUp,
        OpeningStartFile, // the wake-up: the desktop has the start file and has not answered yet
        Chiming,          // the wake-up: our chime sounds, for a start file that cannot play
    };
    Q_ENUM(Phase)
    // A setup field that Start found missing.
    enum class Field { Minutes, WakeUpPercent };
    Q_ENUM(Field)
    // What came of Start, with why nothing started (as the status line or an error box says it).
    struct StartAnswer {
        enum Outcome { Started, AlreadyRunning, FieldMissing, NotSaved } outcome = Started;
        QString reason;
    };
    // What came of an extension; wakeUp names the wake-up it would pass.
    struct ExtendAnswer {
        enum Outcome { Extended, WaitingForWakeUp, NoFade, OutOfRange, PassesWakeUp } outcome = Extended;
        QDateTime wakeUp;
    };

    SessionController(const Platform &platform, VolumeControl &volume, QObject *parent = nullptr);

    Phase phase() const { return phase_; }
    // From Start to the end action; the wake-up's sound is not a session any more.
    bool isRunning() const;
    // The running session's own setup, as Start took it.
    const Setup &setup() const { return setup_; }
    QDateTime fadeEndsAt() const { return fadeEndsAt_; }
    // While the session waits for it.
    QDateTime wakeUpAt() const { return wakeUpAt_; }
    // The computer is asleep, or about to be, until the wake-up: its wake is armed.
    bool sleepsUntilWakeUp() const;
    // The session's notion of now.
    QDateTime now() const;

public Q_SLOTS:
    // The Start/Cancel button: while the chime sounds it only silences it.
    void startOrCancel(const Setup &setup);
    // Starts a session unless one runs; a setup that lacks the minutes, or the
    // wake-up percent for an alarm, only has them marked.
    StartAnswer start(const Setup &setup);
    // Ends a running session as Cancel does: the level stays, the wave
    // output muted at the fade's end is given back, the locks are released.
    void cancel();
    // Adds minutes to a running fade: it goes on from the level it has
    // reached, evenly, to 0 at the new end; refused when no fade runs, or
    // when the new end would pass the wake-up.
    ExtendAnswer extend(int minutes);
    // Silences the wake-up: its chime, or the start file that the desktop is
    // still opening (no chime follows it); answers whether there was one.
    bool silenceChime();
    // The program is to end once the session, and its wake-up's sound, are over.
    void endWhenDone();
    // How this computer could wake itself for the alarm now; answered by wakeRouteFound.
    void findWakeRoute();

Q_SIGNALS:
    void phaseChanged(SessionController::Phase phase);
    // What the status line is to say now.
    void noticeChanged(const SessionNotice &notice);
    // The fade's level in percent: at its first second, then at each change.
    void fadePercentChanged(int percent);
    // The share of the fade still to go, as the desktop is shown it: at the
    // start and after an extension, then at most every ten seconds.
    void fadeProgressed(double left);
    void fieldMissing(SessionController::Field field);
    // An error for the user, such as a setup that could not be saved; nothing was started.
    void failed(const QString &message);
    // Asked to end the program when done (endWhenDone, or a suspend carried
    // out): it is done. The application decides to quit.
    void finished();
    void wakeRouteFound(WakeAlarm::Route route);

private:
    // What comes once the sleep lock is given back.
    enum class AfterRelease { Nothing, PowerOff, Suspend };
    // The power request out, whose answer is awaited.
    enum class PowerRequest { None, PowerOff, Suspend };

    void say(SessionNotice::Kind kind, const QDateTime &moment = {}, const QString &detail = {});
    void sayFading();
    void begin(quint8 minutes);
    void setPhase(Phase phase);
    void tick();
    void showProgress();
    // The seconds, the task bar and the mixer's connection let go, as the fade ends or is cancelled.
    void stopFade();
    void endFade();
    void runEndAction();
    void leaveTheComputer(bool suspend);
    void lockReleased();
    // The power action (or the dry run's word of it); the session ends.
    void carryOutEndAction(bool suspend);
    void powerRefused(const QString &reason);
    void resumed();
    void wakeUp();
    void startFileOpened(bool opened);
    // The chime, for a start file that cannot play, with the reason in the status line.
    void ringChime(SessionNotice::Kind reason, const QString &name);
    // The chime played out, was silenced or found no sound device: the wake-up is over.
    void chimeOver();
    // The warning withdrawn, the sleep lock given back, a wake of the computer disarmed.
    void letGo();
    // Let go; the session ends in that phase.
    void endSession(Phase next);
    void finishIfAsked();
    // When the wake-up comes for a fade that ends at fadeEnd.
    QDateTime wakeUpAfter(const QDateTime &fadeEnd) const;

    const Platform &platform_;
    VolumeControl &volume_;
    AlarmWait alarm_;
    FadeProgress progress_;
    SleepUntilWakeUp sleep_;
    Phase phase_ = Phase::Idle;
    Setup setup_; // the session's own, from Start on

    Fade fade_;
    quint16 fadeStart_ = 0; // the level the fade was begun from
    quint32 ticks_ = 0;
    QDate startDay_;
    QDateTime fadeEndsAt_;
    QDateTime wakeUpAt_;
    bool finishWhenDone_ = false;
    AfterRelease afterRelease_ = AfterRelease::Nothing;
    PowerRequest powerAsked_ = PowerRequest::None;
    QString openingName_;       // the start file the desktop is opening, as the setup names it
    SessionNotice chimeNotice_; // why the chime rings, told again when it has no sound device
};
