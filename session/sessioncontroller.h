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
    // runs; empty when done.
    QString extend(int minutes);
    // One line on the session: "idle", "fading 37 %, ends at 23:47, then
    // shutdown", "waiting for the wake-up at 07:30".
    QString describe() const;
    // A dry run ends as usual but only says what it would ask of the system.
    void setDryRun(bool dryRun) { dryRun_ = dryRun; }

    bool isRunning() const { return phase_ != Phase::Idle; }
    bool isWaitingForWakeUp() const { return phase_ == Phase::WaitingForWakeUp; }
    // The step by which each second lowers the level, fixed at Start.
    quint16 step() const { return step_; }

private:
    enum class Phase { Idle, Fading, PausingPlayers, LeavingTheComputer, WaitingForWakeUp };

    void start(quint8 minutes, std::optional<quint8> wakeUpPercent);
    void tick();
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
    // The power action the checked choice asks for at the end: none for the alarm.
    Power::Action leavingAction() const;
    // The warning a minute before the computer goes off, and the progress on the task bar.
    void showProgress();

    quint32 seconds_ = 0;
    quint16 step_ = 0;
    quint32 ticks_ = 0;
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
