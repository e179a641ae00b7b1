// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>
#include <optional>

#include "platform/wakealarm.h"
#include "session/alarmwait.h"
#include "session/fade.h"
#include "session/fadeprogress.h"
#include "session/sessionview.h"
#include "session/sleepnote.h"
#include "session/sleepuntilwakeup.h"
#include "session/trackend.h"
#include "settings/setup.h"

struct Platform;
class VolumeControl;

// The sleep session: Start checks the setup, saves it and fades the master
// volume to 0 over the chosen minutes, one step a second; then it mutes the
// wave output and hands over to the chosen end action: power-off, suspend,
// or the wait for the wake-up. It runs on the event loop: between seconds,
// and while it waits for the wake-up, the program sleeps. While it runs, the
// computer is kept from suspending itself, and the session holds the mixer.
// It says what the night is as one value (viewChanged), once per change;
// SessionText words it. Requests are slots, answered by their return values.
class SessionController : public QObject {
    Q_OBJECT
public:
    using Phase = SessionView::Phase;

    SessionController(const Platform &platform, VolumeControl &volume, QObject *parent = nullptr);

    const SessionView &view() const { return view_; }
    bool isRunning() const { return view_.isRunning(); }
    // The session's notion of now.
    QDateTime now() const;

public Q_SLOTS:
    // The Start/Cancel button: while the wake-up sounds it only silences it,
    // while a night runs it cancels it, and otherwise it starts one.
    StartAnswer startOrCancel(const Setup &setup);
    // Starts a night unless one runs; a setup that lacks the minutes, or the
    // wake-up percent for an alarm, only has them marked.
    StartAnswer start(const Setup &setup);
    // Ends a running night as Cancel does: the level stays, the wave
    // output muted at the fade's end is given back, the locks are released.
    void cancel();
    // Adds minutes to a running fade: it goes on from the level it has
    // reached, evenly, to 0 at the new end; refused when no fade runs, or
    // when the new end would pass the wake-up. A refusal is said on the
    // status line too.
    ExtendAnswer extend(int minutes);
    // Silences the wake-up: its chime, or the start file that the desktop is
    // still opening (no chime follows it); answers whether there was one.
    bool silenceChime();
    // The program is to end once the night, and its wake-up's sound, are over.
    void endWhenDone();
    // How this computer could wake itself for the alarm now; answered by wakeRouteFound.
    void findWakeRoute();
    // At rest, the end of the track playing now is followed for the window, or not.
    void followTrack(bool follow);
    // Where the listener fell asleep, when it is worth offering.
    std::optional<TrackNote> noteOffered() const;
    // Plays it again from there: answered by resumeAnswered, and on the status line.
    void resume();

Q_SIGNALS:
    void viewChanged(const SessionView &view);
    // What came of a Start that had to look for the track first.
    void startAnswered(const StartAnswer &answer);
    void resumeAnswered(ResumeOutcome outcome, const TrackNote &note);
    // Asked to end the program when done (endWhenDone, or a suspend carried
    // out): it is done. The application decides to quit.
    void finished();
    void wakeRouteFound(WakeAlarm::Route route);

private:
    // The view as it stands now, told when it differs from the last told.
    void publish();
    // A new saying for the status line, told with the next publish.
    SessionNotice &noticeAnew(SessionNotice::Kind kind);
    void say(SessionNotice::Kind kind, const QDateTime &moment = {}, const QString &detail = {});
    void sayFading();
    // The setup taken and saved (a dry run's is not), and the night begun.
    StartAnswer begin(const Setup &setup, quint32 seconds);
    Fade::Curve curve() const;
    // The track the night ends with: found, moved, paused, over.
    void trackFound(const QDateTime &end);
    void trackMissing(NowPlaying::Missing why);
    void trackMoved(const QDateTime &end);
    void trackPaused();
    void trackOver();
    // The ticks from the next one on that come before the track's end, at least one.
    quint32 ticksBefore(const QDateTime &end) const;
    void trackEndReached();
    void answerLater(const StartAnswer &answer);
    void setPhase(Phase phase);
    void tick();
    // Whether the share still to go changed, as the desktop is shown it.
    bool showProgress();
    // The seconds, the task bar and the mixer's connection let go, as the fade ends or is cancelled.
    void stopFade();
    void endFade();
    void runEndAction();
    void leaveTheComputer();
    void lockReleased();
    // The power action (or the dry run's word of it); the night ends.
    void carryOutEndAction();
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
    // Let go; the night ends in that phase.
    void endSession(Phase next);
    void finishIfAsked();
    // When the wake-up comes for a fade that ends at fadeEnd.
    QDateTime wakeUpAfter(const QDateTime &fadeEnd) const;

    const Platform &platform_;
    VolumeControl &volume_;
    AlarmWait alarm_;
    FadeProgress progress_;
    SleepUntilWakeUp sleep_;
    TrackEnd trackEnd_;
    SleepNote note_;
    SessionView view_;
    SessionView told_;   // as last told
    quint64 said_ = 0;   // the sayings so far
    Setup setup_;        // the night's own, from Start on
    Setup pendingSetup_; // a Start's, while it looks for the track

    Fade fade_;
    quint16 fadeStart_ = 0; // the level the fade was begun from
    quint32 ticks_ = 0;
    QDateTime lastTickAt_; // or the fade's start, before its first tick
    QDate startDay_;
    bool finishWhenDone_ = false;
    bool lookingForTrack_ = false; // a Start waits for the track it is to end with
    bool starting_ = false;        // ... within start(), which answers itself
    std::optional<StartAnswer> trackAnswer_;
    bool trackForWindow_ = false;  // at rest, the track's end is followed for the window
    bool noted_ = false;           // this fade's note of where the listener fell asleep is taken
    bool holdingForTrack_ = false; // silent, the fade waits for the last moment of its track
    bool leaving_ = false;         // the end action waits for the sleep lock to be given back
    // The power request out, whose answer is awaited.
    enum class PowerRequest { None, PowerOff, Suspend } powerAsked_ = PowerRequest::None;
    QString openingName_; // the start file the desktop is opening, as the setup names it
};
