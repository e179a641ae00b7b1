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
#include "session/sessiontext.h"
#include "session/volumecontrol.h"
#include "settings/settingsstore.h"

using Kind = SessionNotice::Kind;

SessionController::SessionController(const Platform &platform, VolumeControl &volume, QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , volume_(volume)
    , alarm_(*platform.clock)
    , progress_(*platform.warning, *platform.progress)
    , sleep_(platform)
{
    // Each service's answers, taken once: an answer that comes after the step
    // that asked for it is over finds the session in another phase.
    connect(platform.clock, &Clock::second, this, &SessionController::tick);
    connect(&alarm_, &AlarmWait::due, this, &SessionController::wakeUp);
    connect(platform.players, &MediaPlayers::paused, this, [this] {
        if (phase_ == Phase::PausingPlayers)
            runEndAction();
    });
    connect(platform.awake, &AwakeLock::released, this, &SessionController::lockReleased);
    connect(platform.power, &Power::refused, this, &SessionController::powerRefused);
    connect(platform.power, &Power::resumed, this, &SessionController::resumed);
    connect(platform.shell, &Shell::fileOpened, this, &SessionController::startFileOpened);
    connect(platform.chime, &Chime::silent, this, [this] {
        if (phase_ == Phase::Chiming) {
            setPhase(Phase::Idle);
            finishIfAsked();
        }
    });
    connect(platform.warning, &EndWarning::cancelRequested, this, &SessionController::cancel);
    connect(platform.warning, &EndWarning::extendRequested, this, [this] { extend(15); });
    connect(platform.wake, &WakeAlarm::routeFound, this, &SessionController::wakeRouteFound);
    connect(&sleep_, &SleepUntilWakeUp::noticed, this,
            [this](Kind kind, const QString &reason) { say(kind, wakeUpAt_, reason); });
}

void SessionController::findWakeRoute()
{
    platform_.wake->findRoute();
}

bool SessionController::isRunning() const
{
    return phase_ != Phase::Idle && phase_ != Phase::OpeningStartFile && phase_ != Phase::Chiming;
}

bool SessionController::sleepsUntilWakeUp() const
{
    return phase_ == Phase::WaitingForWakeUp && sleep_.isAsleep();
}

QDateTime SessionController::now() const
{
    return platform_.clock->localNow();
}

void SessionController::say(Kind kind, const QDateTime &moment, const QString &detail)
{
    SessionNotice notice;
    notice.kind = kind;
    notice.moment = moment;
    notice.detail = detail;
    notice.dryRun = setup_.dryRun;
    Q_EMIT noticeChanged(notice);
}

void SessionController::setPhase(Phase phase)
{
    phase_ = phase;
    volume_.setLocked(isRunning());
    Q_EMIT phaseChanged(phase);
}

void SessionController::startOrCancel(const Setup &setup)
{
    if (silenceChime())
        return;
    if (isRunning())
        cancel();
    else
        start(setup);
}

SessionController::StartAnswer SessionController::start(const Setup &setup)
{
    if (isRunning())
        return {StartAnswer::AlreadyRunning, {}};
    // A new night begins: the last one's wake-up has been heard.
    silenceChime();
    const std::optional<quint8> minutes = setup.minutesValue();
    const bool needsWakeUpPercent = setup.endAction == EndAction::Alarm;
    if (minutes && (!needsWakeUpPercent || setup.wakeUpPercentValue())) {
        setup_ = setup;
        // A failed save ends here with its error shown, before anything has changed.
        QString error;
        if (!platform_.settings->save(setup_, &error)) {
            Q_EMIT failed(error);
            return {StartAnswer::NotSaved, error};
        }
        begin(*minutes);
        return {};
    }
    // Both marked; the first is the reason given.
    StartAnswer missing {StartAnswer::FieldMissing, {}};
    SessionNotice notice;
    if (!minutes) {
        Q_EMIT fieldMissing(Field::Minutes);
        notice.kind = Kind::SetTimer;
        Q_EMIT noticeChanged(notice);
        missing.reason = SessionText::statusLine(notice, now());
    }
    if (needsWakeUpPercent && !setup.wakeUpPercentValue()) {
        Q_EMIT fieldMissing(Field::WakeUpPercent);
        notice.kind = Kind::SetVolume;
        Q_EMIT noticeChanged(notice);
        if (missing.reason.isEmpty())
            missing.reason = SessionText::statusLine(notice, now());
    }
    return missing;
}

void SessionController::begin(quint8 minutes)
{
    setPhase(Phase::Fading);
    platform_.power->probePowerActions(setup_.endAction);
    platform_.awake->hold();

    startDay_ = now().date();
    volume_.beginFade();
    fade_ = Fade(volume_.level(), minutes * 60u);
    ticks_ = 0;
    fadeEndsAt_ = now().addSecs(fade_.seconds());
    say(Kind::FadingUntil, fadeEndsAt_);
    progress_.restart(setup_, fadeEndsAt_);
    showProgress();
    platform_.clock->startSeconds();
}

void SessionController::showProgress()
{
    if (progress_.show(ticks_, fade_.seconds()))
        Q_EMIT fadeProgressed(1.0 - double(ticks_) / fade_.seconds());
}

void SessionController::tick()
{
    if (phase_ != Phase::Fading)
        return;
    const quint8 percentShown = volume_.percent();
    volume_.setFadeLevel(fade_.levelAt(ticks_));
    // In a long fade the percent stays for many seconds: it is told when it changes.
    if (ticks_ == 0 || volume_.percent() != percentShown)
        Q_EMIT fadePercentChanged(volume_.percent());
    if (++ticks_ >= fade_.seconds())
        endFade();
    else
        showProgress();
}

QDateTime SessionController::wakeUpAfter(const QDateTime &fadeEnd) const
{
    // "Tomorrow" means the morning after the evening the session started, even when the fade ends past midnight.
    const QDate earliestDay = setup_.tomorrow ? startDay_.addDays(1) : fadeEnd.date();
    return AlarmWait::nextAlarmTime(fadeEnd, setup_.wakeUpTime, earliestDay);
}

SessionController::ExtendAnswer SessionController::extend(int minutes)
{
    if (phase_ == Phase::WaitingForWakeUp)
        return {ExtendAnswer::WaitingForWakeUp, {}};
    if (phase_ != Phase::Fading)
        return {ExtendAnswer::NoFade, {}};
    if (minutes < 1 || minutes > 99)
        return {ExtendAnswer::OutOfRange, {}};
    const QDateTime newEnd = fadeEndsAt_.addSecs(minutes * 60);
    // A later end must not move the wake-up to another day without a word.
    if (setup_.endAction == EndAction::Alarm) {
        const QDateTime wakeUp = wakeUpAfter(fadeEndsAt_);
        if (wakeUpAfter(newEnd) != wakeUp)
            return {ExtendAnswer::PassesWakeUp, wakeUp};
    }
    fade_.extend(minutes, ticks_);
    fadeEndsAt_ = newEnd;
    say(Kind::FadingUntil, fadeEndsAt_);
    progress_.restart(setup_, fadeEndsAt_);
    showProgress();
    return {};
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
        leaveTheComputer(setup_.endAction == EndAction::Suspend);
        break;
    case EndAction::Alarm:
        // Known before the wait is announced: what shows the wait names the wake-up.
        wakeUpAt_ = wakeUpAfter(now());
        say(Kind::SoonToGetUp);
        setPhase(Phase::WaitingForWakeUp);
        alarm_.start(wakeUpAt_);
        if (setup_.sleepUntilAlarm && phase_ == Phase::WaitingForWakeUp)
            sleep_.begin(wakeUpAt_, setup_.dryRun);
        break;
    case EndAction::None:
        endSession(Phase::Idle);
        break;
    }
}

void SessionController::leaveTheComputer(bool suspend)
{
    setPhase(Phase::LeavingTheComputer);
    // The lock goes first, or it would hold off our own request.
    afterRelease_ = suspend ? AfterRelease::Suspend : AfterRelease::PowerOff;
    platform_.awake->release();
}

void SessionController::lockReleased()
{
    switch (std::exchange(afterRelease_, AfterRelease::Nothing)) {
    case AfterRelease::Nothing:
        return;
    case AfterRelease::PowerOff:
    case AfterRelease::Suspend:
        if (phase_ == Phase::LeavingTheComputer)
            carryOutEndAction(setup_.endAction == EndAction::Suspend);
        return;
    }
}

void SessionController::carryOutEndAction(bool suspend)
{
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
    if (phase_ != Phase::WaitingForWakeUp)
        return;
    volume_.setWakeUpPercent(*setup_.wakeUpPercentValue());
    volume_.turnOutputOn();
    const QString name = setup_.startFile;
    const QString file = StartFile::resolve(name, {QDir::currentPath(), platform_.dataFolder});
    say(Kind::Nothing);
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
    setPhase(Phase::OpeningStartFile);
    openingName_ = name;
    platform_.shell->openFile(file);
}

void SessionController::startFileOpened(bool opened)
{
    if (phase_ != Phase::OpeningStartFile)
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
    SessionNotice notice;
    notice.kind = reason;
    notice.detail = name;
    notice.chimeSilent = !platform_.chime->start();
    Q_EMIT noticeChanged(notice);
    if (notice.chimeSilent) {
        setPhase(Phase::Idle);
        finishIfAsked();
        return;
    }
    // Until it has played out, or is silenced.
    setPhase(Phase::Chiming);
}

bool SessionController::silenceChime()
{
    // Its answer is not waited for: a start file that then fails to open rings nothing.
    if (phase_ == Phase::OpeningStartFile) {
        setPhase(Phase::Idle);
        finishIfAsked();
        return true;
    }
    if (phase_ != Phase::Chiming)
        return false;
    platform_.chime->stop();
    if (phase_ == Phase::Chiming) {
        setPhase(Phase::Idle);
        finishIfAsked();
    }
    return true;
}

void SessionController::letGo()
{
    // Nothing waits for this lock's release.
    afterRelease_ = AfterRelease::Nothing;
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
    // Cancel ends the session whatever the level, also while waiting for the wake-up.
    if (phase_ == Phase::Fading) {
        stopFade();
    } else {
        // After the fade, before the end action: give the wave output back what the fade took.
        if (phase_ == Phase::WaitingForWakeUp)
            say(Kind::Nothing); // nothing is coming any more
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
    if (!finishWhenDone_ || phase_ != Phase::Idle)
        return;
    finishWhenDone_ = false;
    Q_EMIT finished();
}
