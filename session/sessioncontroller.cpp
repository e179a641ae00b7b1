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

SessionController::SessionController(const Platform &platform, VolumeControl &volume, QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , volume_(volume)
    , alarm_(*platform.clock)
    , progress_(*platform.warning, *platform.progress)
    , sleep_(platform, alarm_)
{
    // Each service's answers, taken once: an answer that comes after the step
    // that asked for it is over finds the session in another phase.
    connect(platform.clock, &Clock::second, this, &SessionController::tick);
    connect(&alarm_, &AlarmWait::due, this, &SessionController::wakeUp);
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
    if (isRunning())
        return {StartAnswer::AlreadyRunning, {}, {}};
    // A new night begins: the last one's wake-up has been heard.
    silenceChime();
    const std::optional<quint8> minutes = setup.minutesValue();
    const bool needsWakeUpPercent = setup.endAction == EndAction::Alarm;
    if (minutes && (!needsWakeUpPercent || setup.wakeUpPercentValue())) {
        setup_ = setup;
        // A failed save ends here with its error shown, before anything has changed.
        // A dry run saves nothing: the stored setup stays the last real night's.
        QString error;
        if (!setup_.dryRun && !platform_.settings->save(setup_, &error))
            return {StartAnswer::NotSaved, {}, error};
        begin(*minutes);
        return {};
    }
    // Both marked; the status line ends with the last.
    StartAnswer missing {StartAnswer::FieldMissing, {}, {}};
    if (!minutes) {
        missing.missing << SetupField::Minutes;
        say(Kind::SetTimer);
    }
    if (needsWakeUpPercent && !setup.wakeUpPercentValue()) {
        missing.missing << SetupField::WakeUpPercent;
        say(Kind::SetVolume);
    }
    return missing;
}

void SessionController::begin(quint8 minutes)
{
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
    fade_ = Fade(fadeStart_, minutes * 60u);
    ticks_ = 0;
    view_.fadeEnd = now().addSecs(fade_.seconds());
    sayFading();
    progress_.restart(setup_, view_.fadeEnd);
    showProgress();
    platform_.clock->startSeconds();
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
    // Begun before the mixer told its level (a command line at start-up), the
    // fade goes down from the level it told meanwhile.
    if (ticks_ == 0 && volume_.level() != fadeStart_)
        fade_ = Fade(volume_.level(), fade_.seconds());
    volume_.setFadeLevel(fade_.levelAt(ticks_));
    // In a long fade the percent stays for many seconds, and the progress
    // shown for ten: most seconds the night does not change.
    const std::optional<quint8> percentShown = std::exchange(view_.percent, volume_.percent());
    if (++ticks_ >= fade_.seconds()) {
        endFade();
        return;
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

void SessionController::runEndAction()
{
    switch (setup_.endAction) {
    case EndAction::PowerOff:
    case EndAction::Suspend:
        leaveTheComputer();
        break;
    case EndAction::Alarm:
        // Known before the wait is told: what shows the wait names the wake-up.
        view_.wakeUp = wakeUpAfter(now());
        noticeAnew(Kind::SoonToGetUp);
        setPhase(Phase::WaitingForWakeUp);
        alarm_.start(view_.wakeUp);
        if (setup_.sleepUntilAlarm && view_.phase == Phase::WaitingForWakeUp)
            sleep_.begin(view_.wakeUp, setup_.dryRun);
        break;
    case EndAction::None:
        endSession(Phase::Idle);
        break;
    }
}

void SessionController::leaveTheComputer()
{
    setPhase(Phase::LeavingTheComputer);
    // The lock goes first, or it would hold off our own request.
    leaving_ = true;
    platform_.awake->release();
}

void SessionController::lockReleased()
{
    if (std::exchange(leaving_, false) && view_.phase == Phase::LeavingTheComputer)
        carryOutEndAction();
}

void SessionController::carryOutEndAction()
{
    const bool suspend = setup_.endAction == EndAction::Suspend;
    if (setup_.dryRun) {
        say(suspend ? Kind::WouldSuspendNow : Kind::WouldPowerOffNow);
        endSession(Phase::Idle);
        return;
    }
    // A refusal is shown where the user looks on waking up to a computer that is still on.
    powerAsked_ = suspend ? PowerRequest::Suspend : PowerRequest::PowerOff;
    if (suspend)
        platform_.power->suspend();
    else
        platform_.power->powerOff();
    endSession(Phase::Idle);
}

void SessionController::powerRefused(const QString &reason)
{
    switch (std::exchange(powerAsked_, PowerRequest::None)) {
    case PowerRequest::None:
        return;
    case PowerRequest::PowerOff:
        say(Kind::PowerOffRefused, {}, reason);
        return;
    case PowerRequest::Suspend:
        // After a refusal the program stays, idle.
        say(Kind::SuspendRefused, {}, reason);
        return;
    }
}

void SessionController::resumed()
{
    // Back from a suspend that ended the session: the output on again, at the
    // fade's 0, so that the sound is not off for good; the program ends. One
    // that waits for the wake-up goes on waiting.
    if (std::exchange(powerAsked_, PowerRequest::None) != PowerRequest::Suspend)
        return;
    volume_.turnOutputOn();
    Q_EMIT finished();
}

void SessionController::wakeUp()
{
    if (view_.phase != Phase::WaitingForWakeUp)
        return;
    volume_.setWakeUpPercent(*setup_.wakeUpPercentValue());
    volume_.turnOutputOn();
    const QString name = setup_.startFile;
    const QString file = StartFile::resolve(name, {QDir::currentPath(), platform_.dataFolder});
    noticeAnew(Kind::Nothing);
    letGo();
    // A start file nobody can play must not make a silent alarm.
    if (StartFile::isMissing(file)) {
        ringChime(Kind::StartFileMissing, name);
        return;
    }
    if (StartFile::isNotAFile(file)) {
        ringChime(Kind::StartFileNotAFile, name);
        return;
    }
    // The desktop's opener may report success for a file its program then cannot read.
    if (StartFile::isUnreadable(file)) {
        ringChime(Kind::StartFileUnreadable, name);
        return;
    }
    setPhase(Phase::OpeningStartFile);
    openingName_ = name;
    platform_.shell->openFile(file);
}

void SessionController::startFileOpened(bool opened)
{
    if (view_.phase != Phase::OpeningStartFile)
        return; // silenced, or a new night began meanwhile
    if (opened) {
        setPhase(Phase::Idle);
        finishIfAsked();
    } else {
        ringChime(Kind::StartFileNotOpened, openingName_);
    }
}

void SessionController::ringChime(Kind reason, const QString &name)
{
    noticeAnew(reason).detail = name;
    // Until it has played out or is silenced, or no sound device is found for it.
    setPhase(Phase::Chiming);
    platform_.chime->start();
}

void SessionController::chimeOver()
{
    if (view_.phase == Phase::Chiming) {
        setPhase(Phase::Idle);
        finishIfAsked();
    }
}

bool SessionController::silenceChime()
{
    // Its answer is not waited for: a start file that then fails to open rings nothing.
    if (view_.phase == Phase::OpeningStartFile) {
        setPhase(Phase::Idle);
        finishIfAsked();
        return true;
    }
    if (view_.phase != Phase::Chiming)
        return false;
    platform_.chime->stop();
    chimeOver();
    return true;
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
