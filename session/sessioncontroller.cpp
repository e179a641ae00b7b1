// SPDX-License-Identifier: MIT
#include "session/sessioncontroller.h"

#include <QDir>
#include <QLocale>

#include "audio/chime.h"
#include "audio/mixer.h"
#include "platform/awakelock.h"
#include "platform/clock.h"
#include "platform/clockformat.h"
#include "platform/endwarning.h"
#include "platform/mediaplayers.h"
#include "platform/platform.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/startfile.h"
#include "platform/taskbarprogress.h"
#include "session/volumecontrol.h"
#include "settings/settingsstore.h"

namespace {

// A time of day as --status shows it, for scripts: 24 hours in every locale.
QString clockTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("HH:mm"));
}

// A time of day for people, as their locale writes it.
QString clockTimeForPeople(const QDateTime &moment, const QString &format)
{
    return QLocale::system().toString(moment.time(), format);
}

} // namespace

SessionController::SessionController(const Platform &platform, VolumeControl &volume, QObject *parent)
    : QObject(parent)
    , platform_(platform)
    , volume_(volume)
    , alarm_(*platform.clock)
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
    connect(platform.wake, &WakeAlarm::routeFound, this, &SessionController::wakeRouteKnown);
    connect(platform.wake, &WakeAlarm::armed, this, &SessionController::wakeArmed);
    connect(platform.wake, &WakeAlarm::armFailed, this, &SessionController::wakeNotArmed);
}

void SessionController::findWakeRoute()
{
    platform_.wake->findRoute();
}

bool SessionController::isRunning() const
{
    return phase_ != Phase::Idle && phase_ != Phase::OpeningStartFile && phase_ != Phase::Chiming;
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
        return {StartAnswer::AlreadyRunning, refusalOfAnotherSession()};
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
    StartAnswer missing {StartAnswer::FieldMissing, {}};
    if (!minutes) {
        missing.reason = tr("Set timer", "status line");
        Q_EMIT fieldMissing(Field::Minutes);
        Q_EMIT statusChanged(missing.reason);
    }
    if (needsWakeUpPercent && !setup.wakeUpPercentValue()) {
        const QString setVolume = tr("Set volume", "status line");
        if (missing.reason.isEmpty())
            missing.reason = setVolume;
        Q_EMIT fieldMissing(Field::WakeUpPercent);
        Q_EMIT statusChanged(setVolume);
    }
    return missing;
}

void SessionController::begin(quint8 minutes)
{
    setPhase(Phase::Fading);
    platform_.power->probePowerActions(setup_.endAction);
    platform_.awake->hold();

    startDay_ = platform_.clock->localNow().date();
    volume_.refreshIfUnwatched();
    seconds_ = minutes * 60u;
    step_ = quint16(volume_.level() / seconds_ + 1);
    evenFade_.reset();
    routeForDryRun_ = false;
    ticks_ = 0;
    fadeEndsAt_ = platform_.clock->localNow().addSecs(seconds_);
    Q_EMIT statusChanged(fadingUntil());
    warned_ = false;
    progressSentAt_.reset();
    showProgress();
    // One connection to the mixer for the whole fade, not one a second.
    platform_.mixer->keepOpen(true);
    platform_.clock->startSeconds();
}

void SessionController::showProgress()
{
    // A minute before the computer goes off, someone still awake may stop it.
    const quint32 left = seconds_ - ticks_;
    const bool leaving = setup_.endAction == EndAction::PowerOff || setup_.endAction == EndAction::Suspend;
    if (!warned_ && leaving && left <= 60) {
        warned_ = true;
        const bool suspend = setup_.endAction == EndAction::Suspend;
        // A dry run says what would happen, never that it will.
        const QString summary = setup_.dryRun
            ? (suspend ? tr("The computer would suspend in 1 minute (dry run)")
                       : tr("The computer would shut down in 1 minute (dry run)"))
            : (suspend ? tr("The computer will suspend in 1 minute") : tr("The computer will shut down in 1 minute"));
        platform_.warning->show(summary,
                                tr("The sleep timer ends at %1.")
                                    .arg(clockTimeForPeople(fadeEndsAt_, ClockFormat::withSeconds(QLocale::system()))),
                                int(left) * 1000);
    }
    // The task bar hears only of what it shows changing, and at most every
    // ten seconds: the fade stays as light as it is.
    const int minutesLeft = int((left + 59) / 60);
    const int percentGone = int(100 * ticks_ / seconds_);
    if (progressSentAt_
        && (ticks_ - *progressSentAt_ < 10 || (minutesLeft == minutesShown_ && percentGone == percentShown_)))
        return;
    progressSentAt_ = ticks_;
    minutesShown_ = minutesLeft;
    percentShown_ = percentGone;
    platform_.progress->show(double(ticks_) / seconds_, minutesLeft);
}

void SessionController::tick()
{
    if (phase_ != Phase::Fading)
        return;
    const quint8 percentShown = volume_.percent();
    volume_.setSessionLevel(nextLevel());
    // In a long fade the percent stays for many seconds; the title is set when it changes.
    if (ticks_ == 0 || volume_.percent() != percentShown)
        Q_EMIT titleChanged(tr("%1 % - Somnelle ").arg(volume_.percent()));
    volume_.writeCurrentLevel();

    if (++ticks_ >= seconds_)
        endFade();
    else
        showProgress();
}

quint16 SessionController::nextLevel() const
{
    if (evenFade_) {
        // The share of the extended fade still ahead, of the level it started from, rounded down.
        const quint64 total = seconds_ - evenFade_->tick;
        const quint64 ahead = seconds_ - (ticks_ + 1);
        return quint16(evenFade_->level * ahead / total);
    }
    const quint16 level = volume_.level();
    return level < step_ ? 0 : quint16(level - step_);
}

QString SessionController::fadingUntil() const
{
    return tr("Fading until %1", "status line").arg(momentForPeople(fadeEndsAt_));
}

bool SessionController::isWithinADay(const QDateTime &moment) const
{
    // Past a day, the time of day alone could mean today.
    return platform_.clock->localNow().secsTo(moment) < 24 * 3600;
}

QString SessionController::momentText(const QDateTime &moment) const
{
    if (isWithinADay(moment))
        return clockTime(moment);
    return QStringLiteral("%1 on %2").arg(clockTime(moment), moment.toString(QStringLiteral("ddd d MMM")));
}

QString SessionController::momentForPeople(const QDateTime &moment) const
{
    const QString time = clockTimeForPeople(moment, ClockFormat::hoursAndMinutes(QLocale::system()));
    if (isWithinADay(moment))
        return time;
    return tr("%1 on %2", "a time of day, then a day")
        .arg(time, QLocale().toString(moment, tr("ddd d MMM", "the day's format")));
}

QDateTime SessionController::wakeUpAfter(const QDateTime &fadeEnd) const
{
    // "Tomorrow" means the morning after the evening the session started, even when the fade ends past midnight.
    const QDate earliestDay = setup_.tomorrow ? startDay_.addDays(1) : fadeEnd.date();
    return AlarmWait::nextAlarmTime(fadeEnd, setup_.wakeUpTime, earliestDay);
}

quint32 SessionController::waveOutputOn() const
{
    return savedWave_.value_or(0) != 0 ? *savedWave_ : 0xFFFFFFFFu;
}

QString SessionController::extend(int minutes)
{
    if (phase_ == Phase::WaitingForWakeUp)
        return tr("the fade is over; waiting for the wake-up");
    if (phase_ != Phase::Fading)
        return tr("no fade is running");
    if (minutes < 1 || minutes > 99)
        return tr("minutes must be 1 to 99");
    const QDateTime newEnd = fadeEndsAt_.addSecs(minutes * 60);
    // A later end must not move the wake-up to another day without a word.
    if (setup_.endAction == EndAction::Alarm) {
        const QDateTime wakeUp = wakeUpAfter(fadeEndsAt_);
        if (wakeUpAfter(newEnd) != wakeUp)
            return tr("the wake-up at %1 comes before the new end").arg(momentForPeople(wakeUp));
    }
    // From the level reached, evenly to 0 at the new end: a whole step
    // rounded up would end the sound long before it at a low level.
    evenFade_ = EvenFade {volume_.level(), ticks_};
    seconds_ += quint32(minutes) * 60;
    fadeEndsAt_ = newEnd;
    Q_EMIT statusChanged(fadingUntil());
    if (std::exchange(warned_, false))
        platform_.warning->withdraw(); // it comes again a minute before the new end
    progressSentAt_.reset();
    showProgress();
    return {};
}

QString SessionController::describe() const
{
    switch (phase_) {
    case Phase::Idle:
        return QStringLiteral("idle");
    case Phase::Fading: {
        const QString then = setup_.endAction == EndAction::PowerOff ? QStringLiteral("shutdown")
            : setup_.endAction == EndAction::Suspend                 ? QStringLiteral("suspend")
                                                                     : QStringLiteral("the alarm");
        return QStringLiteral("fading %1 %, ends at %2, then %3%4")
            .arg(volume_.percent())
            .arg(momentText(fadeEndsAt_), then, setup_.dryRun ? QStringLiteral(" (dry run)") : QString());
    }
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        return QStringLiteral("ending");
    case Phase::WaitingForWakeUp:
        return QStringLiteral("waiting for the wake-up at %1%2")
            .arg(momentText(wakeUpAt_),
                 platform_.wake->isArmed() ? QStringLiteral("; the computer sleeps until then") : QString());
    case Phase::OpeningStartFile:
    case Phase::Chiming:
        break;
    }
    return QStringLiteral("wake-up sounding");
}

QString SessionController::refusalOfAnotherSession() const
{
    // Only a fade can be extended.
    // The session as --status says it, for the script that may read this too.
    return phase_ == Phase::Fading ? tr("a session is already running: %1; use --cancel or --extend").arg(describe())
                                   : tr("a session is already running: %1; use --cancel").arg(describe());
}

void SessionController::endFade()
{
    Q_EMIT statusChanged(QString());
    platform_.progress->clear();
    platform_.clock->stopSeconds();
    savedWave_ = platform_.mixer->readWaveVolume();
    platform_.mixer->writeWaveVolume(0);
    platform_.mixer->keepOpen(false);
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
        Q_EMIT statusChanged(tr("Soon to get up...", "status line"));
        setPhase(Phase::WaitingForWakeUp);
        wakeUpAt_ = wakeUpAfter(platform_.clock->localNow());
        alarm_.start(wakeUpAt_);
        if (setup_.sleepUntilAlarm)
            sleepUntilWakeUp();
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
    case AfterRelease::SleepUntilWakeUp:
        if (phase_ == Phase::WaitingForWakeUp && platform_.wake->isArmed())
            suspendUntilWakeUp();
        return;
    }
}

void SessionController::carryOutEndAction(bool suspend)
{
    if (setup_.dryRun) {
        Q_EMIT statusChanged(suspend ? tr("Dry run: the computer would suspend now", "status line")
                                     : tr("Dry run: the computer would shut down now", "status line"));
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
        Q_EMIT statusChanged(tr("Power-off refused: %1", "status line").arg(reason));
        return;
    case PowerRequest::Suspend:
        // After a refusal the program stays, idle.
        Q_EMIT statusChanged(tr("Suspend refused: %1", "status line").arg(reason));
        return;
    case PowerRequest::SleepUntilWakeUp:
        if (phase_ != Phase::WaitingForWakeUp)
            return;
        Q_EMIT statusChanged(tr("Suspend refused: %1", "status line").arg(reason));
        platform_.wake->disarm();
        platform_.awake->hold();
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
    platform_.mixer->writeWaveVolume(waveOutputOn());
    Q_EMIT finished();
}

QDateTime SessionController::wakeMoment() const
{
    // A minute ahead: the desktop, the sound server and the network come back first.
    return wakeUpAt_.addSecs(-60);
}

bool SessionController::tooCloseToSleep() const
{
    // A suspend takes seconds to begin (logind may wait for other programs):
    // a wake that comes meanwhile is lost, and the computer sleeps through the alarm.
    return platform_.clock->localNow().secsTo(wakeMoment()) < 120;
}

void SessionController::stayOnTooClose()
{
    Q_EMIT statusChanged(setup_.dryRun
                             ? tr("Dry run: the wake-up is too close; it would stay on until %1", "status line")
                                   .arg(momentForPeople(wakeUpAt_))
                             : tr("The wake-up is too close to sleep; the computer stays on until %1", "status line")
                                   .arg(momentForPeople(wakeUpAt_)));
}

void SessionController::sleepUntilWakeUp()
{
    if (tooCloseToSleep()) {
        stayOnTooClose();
        return;
    }
    // The route is looked for now, where it is used: a power manager may have come up since.
    if (setup_.dryRun) {
        routeForDryRun_ = true;
        platform_.wake->findRoute();
        return;
    }
    platform_.wake->arm(wakeMoment());
}

void SessionController::wakeRouteKnown(WakeAlarm::Route route)
{
    Q_EMIT wakeRouteFound(route);
    if (!std::exchange(routeForDryRun_, false) || phase_ != Phase::WaitingForWakeUp)
        return;
    // A dry run says what the real night would do.
    Q_EMIT statusChanged(
        route == WakeAlarm::Route::None
            ? tr("Dry run: the computer cannot wake itself; would stay on until %1", "status line")
                  .arg(momentForPeople(wakeUpAt_))
            : tr("Dry run: the computer would sleep until %1", "status line").arg(momentForPeople(wakeUpAt_)));
}

void SessionController::wakeArmed()
{
    if (phase_ != Phase::WaitingForWakeUp) {
        platform_.wake->disarm(); // the night ended while it was being armed
        return;
    }
    Q_EMIT statusChanged(tr("The computer sleeps until %1", "status line").arg(momentForPeople(wakeUpAt_)));
    // The lock goes first, or it would hold off our own request; with the
    // wake armed, an idle suspend of the desktop's cannot miss the alarm either.
    afterRelease_ = AfterRelease::SleepUntilWakeUp;
    platform_.awake->release();
}

void SessionController::suspendUntilWakeUp()
{
    // The answers took their time: asleep now, the computer might not wake.
    if (tooCloseToSleep()) {
        platform_.wake->disarm();
        platform_.awake->hold();
        stayOnTooClose();
        return;
    }
    // Answered once the computer has resumed; the wait goes on either way.
    powerAsked_ = PowerRequest::SleepUntilWakeUp;
    platform_.power->suspend();
}

void SessionController::wakeNotArmed()
{
    if (phase_ == Phase::WaitingForWakeUp && setup_.sleepUntilAlarm)
        Q_EMIT statusChanged(tr("This computer cannot wake itself; it stays on until %1", "status line")
                                 .arg(momentForPeople(wakeUpAt_)));
}

void SessionController::wakeUp()
{
    if (phase_ != Phase::WaitingForWakeUp)
        return;
    volume_.setLevelOfPercent(*setup_.wakeUpPercentValue());
    volume_.writeCurrentLevel();
    // The user asked to be woken at a volume: a wave output that was muted, or
    // could not be read, before the session is turned fully on.
    platform_.mixer->writeWaveVolume(waveOutputOn());
    const QString name = setup_.startFile;
    const QString file = StartFile::resolve(name, {QDir::currentPath(), platform_.dataFolder});
    Q_EMIT statusChanged(QString());
    letGo();
    // A start file nobody can play must not make a silent alarm.
    if (StartFile::isMissing(file)) {
        ringChime(tr("Start file not found: %1", "status line").arg(name));
        return;
    }
    if (StartFile::isNotAFile(file)) {
        ringChime(tr("Start file is not a file: %1", "status line").arg(name));
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
        ringChime(tr("Could not open %1", "status line").arg(openingName_));
    }
}

void SessionController::ringChime(const QString &reason)
{
    if (!platform_.chime->start()) {
        Q_EMIT statusChanged(tr("%1; no sound device for the chime either", "status line").arg(reason));
        setPhase(Phase::Idle);
        finishIfAsked();
        return;
    }
    Q_EMIT statusChanged(reason);
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
    platform_.wake->disarm();
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
        Q_EMIT statusChanged(QString());
        platform_.progress->clear();
        platform_.clock->stopSeconds();
        platform_.mixer->keepOpen(false);
    } else {
        // After the fade, before the end action: give the wave output back what the fade took.
        if (phase_ == Phase::WaitingForWakeUp)
            Q_EMIT statusChanged(QString()); // nothing is coming any more
        alarm_.stop();
        platform_.mixer->writeWaveVolume(savedWave_.value_or(0xFFFFFFFFu));
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
