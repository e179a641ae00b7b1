// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <optional>

#include "platform/wakealarm.h"
#include "session/alarmwait.h"
#include "settings/setup.h"

struct Platform;
class VolumeControl;

// The sleep session: Start checks the setup, saves it and fades the master
// volume to 0 over the chosen minutes, one step a second; then it mutes the
// wave output and hands over to the chosen end action: power-off, suspend,
// or the wait for the wake-up. It runs on the event loop: between seconds,
// and while it waits for the wake-up, the program sleeps. While it runs, the
// computer is kept from suspending itself, and the session holds the mixer.
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

    SessionController(const Platform &platform, VolumeControl &volume, QObject *parent = nullptr);

    Phase phase() const { return phase_; }
    // From Start to the end action; the wake-up's sound is not a session any more.
    bool isRunning() const;
    // One line on the session, for scripts: "idle", "fading 37 %, ends at
    // 23:47, then shutdown" (with " (dry run)" for one), "ending" (between
    // the fade's end and the end action), "waiting for the wake-up at 07:30",
    // "wake-up sounding". A time more than a day away names its day ("ends at
    // 17:49 on Thu 10 Dec").
    QString describe() const;
    // Why another command line cannot start a session now, with what can be done instead.
    QString refusalOfAnotherSession() const;

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
    // reached, evenly, to 0 at the new end. Answers why not when no fade
    // runs, or when the new end would pass the wake-up; empty when done.
    QString extend(int minutes);
    // Silences the wake-up: its chime, or the start file that the desktop is
    // still opening (no chime follows it); answers whether there was one.
    bool silenceChime();
    // The program is to end once the session, and its wake-up's sound, are over.
    void endWhenDone();
    // How this computer could wake itself for the alarm now; answered by wakeRouteFound.
    void findWakeRoute();

Q_SIGNALS:
    void phaseChanged(SessionController::Phase phase);
    void statusChanged(const QString &text);
    // The window's caption and the program's title during a fade ("37 % - Somnelle ").
    void titleChanged(const QString &title);
    void fieldMissing(SessionController::Field field);
    // An error for the user, such as a setup that could not be saved; nothing was started.
    void failed(const QString &message);
    // Asked to end the program when done (endWhenDone, or a suspend carried
    // out): it is done. The application decides to quit.
    void finished();
    void wakeRouteFound(WakeAlarm::Route route);

private:
    // What comes once the sleep lock is given back.
    enum class AfterRelease { Nothing, PowerOff, Suspend, SleepUntilWakeUp };
    // The power request out, whose answer is awaited.
    enum class PowerRequest { None, PowerOff, Suspend, SleepUntilWakeUp };

    void begin(quint8 minutes);
    void setPhase(Phase phase);
    void tick();
    // The level the fade sets at the coming tick.
    quint16 nextLevel() const;
    void endFade();
    void runEndAction();
    void leaveTheComputer(bool suspend);
    void lockReleased();
    // The power action (or the dry run's word of it); the session ends.
    void carryOutEndAction(bool suspend);
    void powerRefused(const QString &reason);
    void resumed();
    void suspendUntilWakeUp();
    void startFileOpened(bool opened);
    // In the wait: the computer asleep until a minute before the wake-up, when
    // it can wake itself and that moment leaves time to go to sleep.
    void sleepUntilWakeUp();
    // When the computer is woken for the wake-up.
    QDateTime wakeMoment() const;
    bool tooCloseToSleep() const;
    void stayOnTooClose();
    void wakeRouteKnown(WakeAlarm::Route route);
    void wakeArmed();
    void wakeNotArmed();
    void wakeUp();
    // The chime, for a start file that cannot play, with the reason in the status line.
    void ringChime(const QString &reason);
    // The warning withdrawn, the sleep lock given back, a wake of the computer disarmed.
    void letGo();
    // Let go; the session ends in that phase.
    void endSession(Phase next);
    void finishIfAsked();
    // The warning a minute before the computer goes off, and the progress on the task bar.
    void showProgress();
    QString fadingUntil() const;
    // A moment as --status shows it, for scripts: its time of day, and its
    // day when it is more than a day away ("17:49 on Thu 10 Dec").
    QString momentText(const QDateTime &moment) const;
    // The same for people: in their language.
    QString momentForPeople(const QDateTime &moment) const;
    bool isWithinADay(const QDateTime &moment) const;
    // When the wake-up comes for a fade that ends at fadeEnd.
    QDateTime wakeUpAfter(const QDateTime &fadeEnd) const;
    // The wave output as it should be once the night is over: on, as it was
    // before the session, or fully on when it was muted or unknown.
    quint32 waveOutputOn() const;

    const Platform &platform_;
    VolumeControl &volume_;
    AlarmWait alarm_;
    Phase phase_ = Phase::Idle;
    Setup setup_; // the session's own, from Start on

    quint32 seconds_ = 0;
    quint16 step_ = 0;
    quint32 ticks_ = 0;
    // After an extension: the fade goes on evenly from this level at this tick
    // to 0 at the end, with no whole step rounded up.
    struct EvenFade {
        quint16 level;
        quint32 tick;
    };
    std::optional<EvenFade> evenFade_;
    QDate startDay_;
    QDateTime fadeEndsAt_;
    QDateTime wakeUpAt_;
    bool warned_ = false;
    std::optional<quint32> progressSentAt_; // the tick of the last progress sent
    int minutesShown_ = 0;
    int percentShown_ = 0;
    std::optional<quint32> savedWave_;
    bool finishWhenDone_ = false;
    bool routeForDryRun_ = false; // a dry run waits for the route to say what the night would do
    AfterRelease afterRelease_ = AfterRelease::Nothing;
    PowerRequest powerAsked_ = PowerRequest::None;
    QString openingName_; // the start file the desktop is opening, as the setup names it
};
