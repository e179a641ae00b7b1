// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>

#include "session/alarmwait.h"
#include "session/power.h"

struct Platform;
class SessionView;
class VolumeControl;

// The sleep session: Start checks the fields, saves the setup and fades the
// master volume to 0 over the chosen minutes, one step a second; then it
// mutes the wave output and hands over to the chosen end action: power-off,
// suspend, or the wait for the wake-up. The same button cancels. It runs on
// the event loop: between seconds, and while it waits for the wake-up, the
// program sleeps. While it runs, the computer is kept from suspending itself.
class SessionController {
public:
    SessionController(const Platform &platform, SessionView &view, VolumeControl &volume);

    // The Start/Cancel button.
    void startOrCancel();
    // Start as a command line asks it: the button's checks, and a dry run
    // when asked (for this session only).
    void startAsCommanded(bool dryRun);
    // Closing the window while a session runs ends the program when the session ends.
    // Answers whether the window may close now.
    bool closeRequested();
    // A click anywhere on the window silences the wake-up chime; answers
    // whether it was sounding, so that the click does nothing else.
    bool silenceChime();
    // Ends a running session as Cancel does: the level stays, the wave output
    // muted at the fade's end is given back, the locks are released. For a
    // program about to end (a signal, or Exit while waiting for the wake-up).
    void cancel();

    // Adds minutes to a running fade: it goes on from the level it has
    // reached, evenly, to 0 at the new end. Answers why not when no fade
    // runs, or when the new end would pass the wake-up; empty when done.
    QString extend(int minutes);
    // One line on the session, for scripts: "idle", "fading 37 %, ends at
    // 23:47, then shutdown" (with " (dry run)" for one), "ending" (between the fade's end and the end
    // action), "waiting for the wake-up at 07:30", "wake-up sounding". A time
    // more than a day away names its day ("ends at 17:49 on Thu 10 Dec").
    QString describe() const;
    // Why another command line cannot start a session now, with what can be done instead.
    QString refusalOfAnotherSession() const;

    bool isRunning() const { return phase_ != Phase::Idle; }
    bool isWaitingForWakeUp() const { return phase_ == Phase::WaitingForWakeUp; }
    // The step by which each second lowers the level, fixed at Start.
    quint16 step() const { return step_; }

private:
    enum class Phase { Idle, Fading, PausingPlayers, LeavingTheComputer, WaitingForWakeUp };

    void tryStart(bool dryRun);
    void start(quint8 minutes, std::optional<quint8> wakeUpPercent, bool dryRun);
    void tick();
    // The level the fade sets at the coming tick.
    quint16 nextLevel() const;
    void endFade();
    void runEndAction();
    // The chime, for a start file that cannot play, with the reason in the status line.
    void ringChime(const QString &reason);
    void leaveTheComputer(bool suspend);
    void wakeUp();
    // Between the wake-up and the end of its sound: the start file handed to
    // the desktop without an answer yet, or the chime.
    bool wakeUpSounding() const;
    void finish();
    void returnToIdle();
    void quitIfAsked();

    const Platform &platform_;
    SessionView &view_;
    VolumeControl &volume_;
    AlarmWait alarm_;
    Phase phase_ = Phase::Idle;
    QString fadingUntil() const;
    // A moment as the status line and --status show it: its time of day, and its day when it is more than a day away.
    QString momentText(const QDateTime &moment) const;
    // When the wake-up comes for a fade that ends at fadeEnd.
    QDateTime wakeUpAfter(const QDateTime &fadeEnd) const;
    // The wave output as it should be once the night is over: on, as it was
    // before the session, or fully on when it was muted or unknown.
    quint32 waveOutputOn() const;
    // The power action the checked choice asks for at the end: none for the alarm.
    Power::Action leavingAction() const;
    // The warning a minute before the computer goes off, and the progress on the task bar.
    void showProgress();

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
    std::optional<quint8> wakeUpPercent_;
    QDate startDay_;
    QDateTime fadeEndsAt_;
    QDateTime wakeUpAt_;
    bool dryRun_ = false;
    bool warned_ = false;
    std::optional<quint32> progressSentAt_; // the tick of the last progress sent
    int minutesShown_ = 0;
    int percentShown_ = 0;
    std::optional<quint32> savedWave_;
    bool quitWhenDone_ = false;
    bool openingStartFile_ = false;
};
