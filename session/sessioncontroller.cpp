// SPDX-License-Identifier: MIT
#include "session/sessioncontroller.h"

#include <QDir>
#include <utility>

#include "audio/chime.h"
#include "platform/awakelock.h"
#include "platform/clock.h"
#include "platform/endwarning.h"
#include "platform/mediaplayers.h"
#include "platform/platform.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/startfile.h"
#include "session/volumecontrol.h"
#include "settings/settingsstore.h"

using Kind = SessionNotice::Kind;

namespace {

StartAnswer answerOf(StartAnswer::Outcome outcome)
{
    StartAnswer answer;
    answer.outcome = outcome;
    return answer;
}

} // namespace

SessionController::SessionController(const Platform &platform, VolumeControl &volume, QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , volume_(volume)
    , alarm_(*platform.clock)
    , progress_(*platform.warning, *platform.progress)
    , sleep_(platform, alarm_)
    , trackEnd_(*platform.playing, *platform.clock)
    , note_(*platform.settings, *platform.playing, *platform.clock)
{
    // Each service's answers, taken once: an answer that comes after the step
    // that asked for it is over finds the session in another phase.
    connect(platform.clock, &Clock::second, this, &SessionController::tick);
    connect(&alarm_, &AlarmWait::due, this, &SessionController::wakeUp);
    connect(platform.clock, &Clock::wakeDue, this, [this] {
        if (holdingForTrack_)
            trackEndReached();
    });
    connect(platform.players, &MediaPlayers::paused, this, [this] {
        if (view_.phase == Phase::PausingPlayers)
            runEndAction();
    });
    connect(platform.awake, &AwakeLock::released, this, &SessionController::lockReleased);
    connect(platform.power, &Power::refused, this, &SessionController::powerRefused);
    connect(platform.power, &Power::resumed, this, &SessionController::resumed);
    connect(platform.shell, &Shell::fileOpened, this, &SessionController::startFileOpened);
    connect(platform.chime, &Chime::silent, this, &SessionController::chimeOver);
    connect(platform.chime, &Chime::unavailable, this, [this] {
        if (view_.phase != Phase::Chiming)
            return;
        const QString name = view_.notice.detail;
        noticeAnew(view_.notice.kind).detail = name;
        view_.notice.chimeSilent = true;
        chimeOver();
    });
    connect(platform.wake, &WakeAlarm::routeFound, this, &SessionController::wakeRouteFound);
    connect(&sleep_, &SleepUntilWakeUp::noticed, this,
            [this](Kind kind, const QString &reason) { say(kind, view_.wakeUp, reason); });
    connect(&trackEnd_, &TrackEnd::found, this, &SessionController::trackFound);
    connect(&trackEnd_, &TrackEnd::missing, this, &SessionController::trackMissing);
    connect(&trackEnd_, &TrackEnd::moved, this, &SessionController::trackMoved);
    connect(&trackEnd_, &TrackEnd::paused, this, &SessionController::trackPaused);
    connect(&trackEnd_, &TrackEnd::over, this, &SessionController::trackOver);
    connect(&note_, &SleepNote::resumed, this, [this](ResumeOutcome outcome, const TrackNote &note) {
        SessionNotice &notice = noticeAnew(Kind::ResumeAnswered);
        notice.resumed = outcome;
        notice.note = note;
        publish();
        Q_EMIT resumeAnswered(outcome, note);
    });
}

void SessionController::findWakeRoute()
{
    platform_.wake->findRoute();
}

QDateTime SessionController::now() const
{
    return platform_.clock->localNow();
}

void SessionController::publish()
{
    view_.asleep = view_.phase == Phase::WaitingForWakeUp && sleep_.isAsleep();
    if (view_ == told_)
        return;
    told_ = view_;
    Q_EMIT viewChanged(view_);
}

SessionNotice &SessionController::noticeAnew(Kind kind)
{
    view_.notice = SessionNotice();
    view_.notice.kind = kind;
    view_.notice.serial = ++said_;
    return view_.notice;
}

void SessionController::say(Kind kind, const QDateTime &moment, const QString &detail)
{
    SessionNotice &notice = noticeAnew(kind);
    notice.moment = moment;
    notice.detail = detail;
    publish();
}

void SessionController::sayFading()
{
    // A night without an end action must not seem to promise one.
    say(setup_.endAction == EndAction::None ? Kind::FadingToNothing : Kind::FadingUntil, view_.fadeEnd);
}

void SessionController::setPhase(Phase phase)
{
    view_.phase = phase;
    volume_.setLocked(isRunning());
    publish();
}

StartAnswer SessionController::startOrCancel(const Setup &setup)
{
    if (silenceChime())
        return {};
    if (!isRunning())
        return start(setup);
    cancel();
    return {};
}

StartAnswer SessionController::start(const Setup &setup)
{
    if (isRunning() || lookingForTrack_)
        return answerOf(StartAnswer::AlreadyRunning);
    // A new night begins: the last one's wake-up has been heard.
    silenceChime();
    const std::optional<quint8> minutes = setup.minutesValue();
    const bool needsWakeUpPercent = setup.endAction == EndAction::Alarm;
    if ((minutes || setup.endWithTrack) && (!needsWakeUpPercent || setup.wakeUpPercentValue())) {
        if (!setup.endWithTrack)
            return begin(setup, *minutes * 60u);
        // Its length is the track's, known once the player has answered (a player
        // may answer at once: then so does this).
        pendingSetup_ = setup;
        lookingForTrack_ = true;
        trackAnswer_.reset();
        starting_ = true;
        trackEnd_.find();
        starting_ = false;
        return lookingForTrack_ ? answerOf(StartAnswer::LookingForTrack) : *std::exchange(trackAnswer_, std::nullopt);
    }
    // Both marked; the status line ends with the last.
    StartAnswer missing = answerOf(StartAnswer::FieldMissing);
    if (!minutes && !setup.endWithTrack) {
        missing.missing << SetupField::Minutes;
        say(Kind::SetTimer);
    }
    if (needsWakeUpPercent && !setup.wakeUpPercentValue()) {
        missing.missing << SetupField::WakeUpPercent;
        say(Kind::SetVolume);
    }
    return missing;
}

StartAnswer SessionController::begin(const Setup &setup, quint32 seconds)
{
    // A failed save ends here with its error shown, before anything has changed.
    // A dry run saves nothing: the stored setup stays the last real night's.
    QString error;
    if (!setup.dryRun && !platform_.settings->save(setup, &error)) {
        StartAnswer answer = answerOf(StartAnswer::NotSaved);
        answer.saveError = error;
        return answer;
    }
    setup_ = setup;
    trackForWindow_ = false;
    noted_ = false;
    view_.withTrack = setup_.endWithTrack;
    view_.trackPaused = false;
    view_.trackEnd.reset();
    view_.endAction = setup_.endAction;
    view_.dryRun = setup_.dryRun;
    view_.left = 1;
    setPhase(Phase::Fading);
    platform_.power->probePowerActions(setup_.endAction);
    platform_.awake->hold();

    startDay_ = now().date();
    volume_.beginFade();
    fadeStart_ = volume_.level();
    view_.percent = volume_.percent();
    fade_ = Fade(fadeStart_, seconds, curve());
    ticks_ = 0;
    lastTickAt_ = now();
    view_.fadeEnd = now().addSecs(fade_.seconds());
    sayFading();
    progress_.restart(setup_, view_.fadeEnd);
    showProgress();
    platform_.clock->startSeconds();
    return {};
}

Fade::Curve SessionController::curve() const
{
    return setup_.decibelFade ? Fade::Curve::EvenDecibels : Fade::Curve::EvenSteps;
}

bool SessionController::showProgress()
{
    // The share still to go, as the desktop is shown it.
    if (!progress_.show(ticks_, fade_.seconds()))
        return false;
    view_.left = 1.0 - double(ticks_) / fade_.seconds();
    return true;
}

void SessionController::tick()
{
    if (view_.phase != Phase::Fading)
        return;
    lastTickAt_ = now();
    // The fade waits with its paused track, whose end moves on meanwhile.
    if (view_.trackPaused) {
        view_.fadeEnd = view_.fadeEnd.addSecs(1);
        publish();
        return;
    }
    // Begun before the mixer told its level (a command line at start-up), the
    // fade goes down from the level it told meanwhile.
    if (ticks_ == 0 && volume_.level() != fadeStart_) {
        fadeStart_ = volume_.level();
        fade_ = Fade(fadeStart_, fade_.seconds(), curve());
    }
    volume_.setFadeLevel(fade_.levelAt(ticks_));
    // Half way, where the listener fell asleep is noted; a dry run changes nothing that lasts.
    if (!noted_ && !setup_.dryRun && volume_.level() <= fadeStart_ / 2) {
        noted_ = true;
        note_.take();
    }
    // In a long fade the percent stays for many seconds, and the progress
    // shown for ten: most seconds the night does not change.
    const std::optional<quint8> percentShown = std::exchange(view_.percent, volume_.percent());
    if (++ticks_ >= fade_.seconds()) {
        // The last tick comes up to a second before the track's end: the
        // player is paused at the end itself, not a moment of it earlier.
        const qint64 toTrackEnd = now().msecsTo(view_.fadeEnd);
        if (!view_.withTrack || toTrackEnd <= 0) {
            endFade();
            return;
        }
        holdingForTrack_ = true;
        platform_.clock->stopSeconds();
        platform_.clock->wakeAfter(toTrackEnd);
    }
    if (showProgress() || view_.percent != percentShown)
        publish();
}

QDateTime SessionController::wakeUpAfter(const QDateTime &fadeEnd) const
{
    // "Tomorrow" means the morning after the evening the session started, even when the fade ends past midnight.
    const QDate earliestDay = setup_.tomorrow ? startDay_.addDays(1) : fadeEnd.date();
    return AlarmWait::nextAlarmTime(fadeEnd, setup_.wakeUpTime, earliestDay);
}

ExtendAnswer SessionController::extend(int minutes)
{
    ExtendAnswer answer;
    const QDateTime newEnd = view_.fadeEnd.addSecs(minutes * 60);
    if (view_.phase == Phase::WaitingForWakeUp)
        answer.outcome = ExtendAnswer::WaitingForWakeUp;
    else if (view_.phase != Phase::Fading)
        answer.outcome = ExtendAnswer::NoFade;
    else if (minutes < 1 || minutes > 99)
        answer.outcome = ExtendAnswer::OutOfRange;
    // The track decides the night's end.
    else if (view_.withTrack)
        answer.outcome = ExtendAnswer::EndsWithTrack;
    // A later end must not move the wake-up to another day without a word.
    else if (setup_.endAction == EndAction::Alarm && wakeUpAfter(newEnd) != wakeUpAfter(view_.fadeEnd))
        answer = {ExtendAnswer::PassesWakeUp, wakeUpAfter(view_.fadeEnd)};
    if (answer.outcome != ExtendAnswer::Extended) {
        noticeAnew(Kind::ExtendRefused).refusal = answer;
        publish();
        return answer;
    }
    fade_.extend(minutes, ticks_);
    view_.fadeEnd = newEnd;
    progress_.restart(setup_, view_.fadeEnd);
    showProgress();
    sayFading();
    return answer;
}

void SessionController::stopFade()
{
    if (std::exchange(holdingForTrack_, false))
        platform_.clock->stopWake();
    trackEnd_.stop();
    say(Kind::Nothing);
    progress_.clear();
    platform_.clock->stopSeconds();
    volume_.endFade();
}

void SessionController::endFade()
{
    view_.left = 0;
    stopFade();
    volume_.muteForTheNight();
    // Muted is not paused: the night's podcast would play on silently.
    setPhase(Phase::PausingPlayers);
    platform_.players->pauseAll();
}

void SessionController::letGo()
{
    // Nothing waits for this lock's release.
    leaving_ = false;
    platform_.warning->withdraw();
    sleep_.end();
    platform_.awake->release();
}

void SessionController::endSession(Phase next)
{
    letGo();
    setPhase(next);
    finishIfAsked();
}

void SessionController::cancel()
{
    if (!isRunning())
        return;
    // Cancel ends the night whatever the level, also while waiting for the wake-up.
    if (view_.phase == Phase::Fading) {
        stopFade();
    } else {
        // After the fade, before the end action: give the wave output back what the fade took.
        if (view_.phase == Phase::WaitingForWakeUp)
            noticeAnew(Kind::Nothing); // nothing is coming any more
        alarm_.stop();
        volume_.giveBackOutput();
    }
    endSession(Phase::Idle);
}

void SessionController::endWhenDone()
{
    finishWhenDone_ = true;
    finishIfAsked();
}

void SessionController::finishIfAsked()
{
    // The wake-up must be heard first: the desktop's answer about the start
    // file, then the chime, played out or silenced.
    if (!finishWhenDone_ || view_.phase != Phase::Idle)
        return;
    finishWhenDone_ = false;
    Q_EMIT finished();
}
