// SPDX-License-Identifier: MIT
#include "session/sessioncontroller.h"

#include <QDir>

#include "audio/chime.h"
#include "audio/mixer.h"
#include "session/volumecontrol.h"
#include "session/awakelock.h"
#include "session/clock.h"
#include "session/endwarning.h"
#include "session/taskbarprogress.h"
#include "session/mediaplayers.h"
#include "session/power.h"
#include "session/sessionview.h"
#include "session/shell.h"
#include "session/platform.h"
#include "session/startfile.h"
#include "settings/setupsettings.h"

namespace {

// A field's whole number in [1, max]. Empty, "0" and "00" are unset; a text
// that is not a plain decimal number (possible only from stored settings or
// a signed command-line value) or is out of range is refused the same way.
std::optional<quint8> fieldNumber(const QString &text, uint max)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const uint number = text.toUInt();
    if (number < 1 || number > max)
        return std::nullopt;
    return quint8(number);
}

// A time of day as the status line and --status show it.
QString clockTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("HH:mm"));
}

} // namespace

SessionController::SessionController(const Platform &platform, SessionView &view, VolumeControl &volume)
    : platform_(platform)
    , view_(view)
    , volume_(volume)
    , alarm_(*platform.clock)
{
}

void SessionController::startOrCancel()
{
    // While the chime sounds, Start only silences it, like a click anywhere on the window.
    if (silenceChime())
        return;
    if (isRunning()) {
        cancel();
        return;
    }
    tryStart(false);
}

void SessionController::startAsCommanded(bool dryRun)
{
    if (!isRunning())
        tryStart(dryRun);
}

void SessionController::tryStart(bool dryRun)
{
    const std::optional<quint8> minutes = fieldNumber(view_.minutesText(), 255);
    const bool needsWakeUpVolume = view_.wakeUpVolumeEnabled();
    const std::optional<quint8> wakeUpPercent = fieldNumber(view_.wakeUpVolumeText(), 100);
    if (minutes && (!needsWakeUpVolume || wakeUpPercent)) {
        start(*minutes, wakeUpPercent, dryRun);
        return;
    }

    if (!minutes) {
        view_.markMinutesMissing();
        view_.setStatusText(QStringLiteral("Set timer"));
    }
    if (needsWakeUpVolume && !wakeUpPercent) {
        view_.markWakeUpVolumeMissing();
        view_.setStatusText(QStringLiteral("Set volume"));
    }
}

void SessionController::start(quint8 minutes, std::optional<quint8> wakeUpPercent, bool dryRun)
{
    // A failed save ends here with its error shown, before anything has changed.
    QString error;
    if (!SaveSettings(*platform_.settings, view_, &error)) {
        platform_.showError(error);
        return;
    }

    view_.setStatusText(QString());
    view_.disableSetupControls();
    view_.showCancelPicture();
    platform_.power->probePowerActions(leavingAction());
    platform_.awake->hold();

    dryRun_ = dryRun;
    wakeUpPercent_ = wakeUpPercent;
    startDay_ = platform_.clock->localNow().date();
    volume_.refreshIfUnwatched();
    seconds_ = minutes * 60u;
    step_ = quint16(volume_.level() / seconds_ + 1);
    evenFade_.reset();
    ticks_ = 0;
    fadeEndsAt_ = platform_.clock->localNow().addSecs(seconds_);
    view_.setStatusText(fadingUntil());
    phase_ = Phase::Fading;
    warned_ = false;
    progressSentAt_.reset();
    showProgress();
    // One connection to the mixer for the whole fade, not one a second.
    platform_.mixer->keepOpen(true);
    platform_.clock->startSeconds([this] { tick(); });
}

void SessionController::showProgress()
{
    // A minute before the computer goes off, someone still awake may stop it.
    const quint32 left = seconds_ - ticks_;
    const Power::Action leaving = leavingAction();
    if (!warned_ && leaving != Power::Action::None && left <= 60) {
        warned_ = true;
        const bool suspend = leaving == Power::Action::Suspend;
        // A dry run says what would happen, never that it will.
        platform_.warning->show(
            (dryRun_ ? QStringLiteral("The computer would %1 in 1 minute (dry run)")
                     : QStringLiteral("The computer will %1 in 1 minute"))
                .arg(suspend ? QStringLiteral("suspend") : QStringLiteral("shut down")),
            QStringLiteral("The sleep timer ends at %1.").arg(fadeEndsAt_.toString(QStringLiteral("HH:mm:ss"))),
            int(left) * 1000, [this](EndWarning::Action action) {
                if (action == EndWarning::Action::Cancel)
                    startOrCancel();
                else
                    extend(15);
            });
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
    const quint8 percentShown = volume_.percent();
    volume_.setLevel(nextLevel());
    // In a long fade the percent stays for many seconds; the title is set when it changes.
    if (ticks_ == 0 || volume_.percent() != percentShown)
        view_.setCaptionAndTitle(QStringLiteral("%1 % - Somnelle ").arg(volume_.percent()));
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
    return QStringLiteral("Fading until %1").arg(momentText(fadeEndsAt_));
}

QString SessionController::momentText(const QDateTime &moment) const
{
    // Past a day, the time of day alone could mean today.
    if (platform_.clock->localNow().secsTo(moment) < 24 * 3600)
        return clockTime(moment);
    return QStringLiteral("%1 on %2").arg(clockTime(moment), moment.toString(QStringLiteral("ddd d MMM")));
}

QDateTime SessionController::wakeUpAfter(const QDateTime &fadeEnd) const
{
    // "Tomorrow" means the morning after the evening the session started, even when the fade ends past midnight.
    const QDate earliestDay = view_.tomorrow() ? startDay_.addDays(1) : fadeEnd.date();
    return NextAlarmTime(fadeEnd, view_.alarmDateTime().time(), earliestDay);
}

quint32 SessionController::waveOutputOn() const
{
    return savedWave_.value_or(0) != 0 ? *savedWave_ : 0xFFFFFFFFu;
}

Power::Action SessionController::leavingAction() const
{
    return view_.isChoiceChecked(SetupView::Shutdown)   ? Power::Action::PowerOff
        : view_.isChoiceChecked(SetupView::SuspendMode) ? Power::Action::Suspend
                                                        : Power::Action::None;
}

QString SessionController::extend(int minutes)
{
    if (phase_ == Phase::WaitingForWakeUp)
        return QStringLiteral("the fade is over; waiting for the wake-up");
    if (phase_ != Phase::Fading)
        return QStringLiteral("no fade is running");
    if (minutes < 1 || minutes > 99)
        return QStringLiteral("minutes must be 1 to 99");
    const QDateTime newEnd = fadeEndsAt_.addSecs(minutes * 60);
    // A later end must not move the wake-up to another day without a word.
    if (view_.isChoiceChecked(SetupView::AlarmMode)) {
        const QDateTime wakeUp = wakeUpAfter(fadeEndsAt_);
        if (wakeUpAfter(newEnd) != wakeUp)
            return QStringLiteral("the wake-up at %1 comes before the new end").arg(momentText(wakeUp));
    }
    // From the level reached, evenly to 0 at the new end: a whole step
    // rounded up would end the sound long before it at a low level.
    evenFade_ = EvenFade {volume_.level(), ticks_};
    seconds_ += quint32(minutes) * 60;
    fadeEndsAt_ = newEnd;
    view_.setStatusText(fadingUntil());
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
        return wakeUpSounding() ? QStringLiteral("wake-up sounding") : QStringLiteral("idle");
    case Phase::Fading: {
        const Power::Action leaving = leavingAction();
        const QString then = leaving == Power::Action::PowerOff ? QStringLiteral("shutdown")
            : leaving == Power::Action::Suspend                 ? QStringLiteral("suspend")
                                                                : QStringLiteral("the alarm");
        return QStringLiteral("fading %1 %, ends at %2, then %3%4")
            .arg(volume_.percent())
            .arg(momentText(fadeEndsAt_), then, dryRun_ ? QStringLiteral(" (dry run)") : QString());
    }
    case Phase::WaitingForWakeUp:
        return QStringLiteral("waiting for the wake-up at %1").arg(momentText(wakeUpAt_));
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        break;
    }
    return QStringLiteral("ending");
}

QString SessionController::refusalOfAnotherSession() const
{
    // Only a fade can be extended.
    return QStringLiteral("a session is already running: %1; use %2")
        .arg(describe(), phase_ == Phase::Fading ? QStringLiteral("--cancel or --extend") : QStringLiteral("--cancel"));
}

void SessionController::endFade()
{
    view_.setStatusText(QString());
    platform_.progress->clear();
    platform_.clock->stopSeconds();
    savedWave_ = platform_.mixer->readWaveVolume();
    platform_.mixer->writeWaveVolume(0);
    platform_.mixer->keepOpen(false);
    // Muted is not paused: the night's podcast would play on silently.
    phase_ = Phase::PausingPlayers;
    platform_.players->pauseAll([this] {
        if (phase_ == Phase::PausingPlayers)
            runEndAction();
    });
}

void SessionController::runEndAction()
{
    if (view_.isChoiceChecked(SetupView::Shutdown)) {
        leaveTheComputer(false);
    } else if (view_.isChoiceChecked(SetupView::SuspendMode)) {
        leaveTheComputer(true);
    } else if (view_.isChoiceChecked(SetupView::AlarmMode) && wakeUpPercent_) {
        view_.setStatusText(QStringLiteral("Soon to get up..."));
        phase_ = Phase::WaitingForWakeUp;
        wakeUpAt_ = wakeUpAfter(platform_.clock->localNow());
        alarm_.start(wakeUpAt_, [this] { wakeUp(); });
    } else {
        finish();
    }
}

void SessionController::leaveTheComputer(bool suspend)
{
    phase_ = Phase::LeavingTheComputer;
    // The lock goes first, or it would hold off our own request.
    platform_.awake->release([this, suspend] {
        if (phase_ != Phase::LeavingTheComputer)
            return; // cancelled while the lock was being given back
        if (dryRun_) {
            view_.setStatusText(QStringLiteral("Dry run: the computer would %1 now")
                                    .arg(suspend ? QStringLiteral("suspend") : QStringLiteral("shut down")));
            finish();
            return;
        }
        // A refusal is shown where the user looks on waking up to a computer that is still on.
        if (suspend) {
            // The program ends once the computer has resumed; after a refusal it stays, idle.
            platform_.power->suspend([this](const QString &refusal) {
                if (!refusal.isEmpty()) {
                    view_.setStatusText(QStringLiteral("Suspend refused: %1").arg(refusal));
                    return;
                }
                // Back from the suspend we asked for: the output on again, at
                // the fade's 0, so that the sound is not off for good.
                platform_.mixer->writeWaveVolume(waveOutputOn());
                platform_.quitApplication();
            });
        } else {
            platform_.power->powerOff([this](const QString &refusal) {
                view_.setStatusText(QStringLiteral("Power-off refused: %1").arg(refusal));
            });
        }
        finish();
    });
}

void SessionController::wakeUp()
{
    const quint8 percent = *wakeUpPercent_;
    volume_.setLevelOfPercent(percent);
    volume_.writeCurrentLevel();
    // The user asked to be woken at a volume: a wave output that was muted, or
    // could not be read, before the session is turned fully on.
    platform_.mixer->writeWaveVolume(waveOutputOn());
    const QString name = view_.startFile();
    const QString file = ResolveStartFile(name, {QDir::currentPath(), platform_.dataFolder});
    view_.setStatusText(QString());
    // A start file nobody can play must not make a silent alarm.
    if (StartFileIsMissing(file)) {
        ringChime(QStringLiteral("Start file not found: %1").arg(name));
    } else {
        openingStartFile_ = true;
        platform_.shell->openFile(file, [this, name](bool opened) {
            openingStartFile_ = false;
            if (!opened)
                ringChime(QStringLiteral("Could not open %1").arg(name));
            quitIfAsked();
        });
    }
    finish();
}

void SessionController::ringChime(const QString &reason)
{
    if (platform_.chime->start())
        view_.setStatusText(reason);
    else
        view_.setStatusText(reason + QStringLiteral("; no sound device for the chime either"));
}

bool SessionController::silenceChime()
{
    if (!platform_.chime->isPlaying())
        return false;
    platform_.chime->stop();
    return true;
}

void SessionController::finish()
{
    platform_.warning->withdraw();
    phase_ = Phase::Idle;
    platform_.awake->release();
    returnToIdle();
    quitIfAsked();
}

void SessionController::cancel()
{
    platform_.warning->withdraw();
    returnToIdle();
    // Cancel ends the session whatever the level, also while waiting for the wake-up.
    if (phase_ == Phase::Fading) {
        view_.setStatusText(QString());
        platform_.progress->clear();
        platform_.clock->stopSeconds();
        platform_.mixer->keepOpen(false);
    } else if (phase_ != Phase::Idle) {
        // After the fade, before the end action: give the wave output back what the fade took.
        if (phase_ == Phase::WaitingForWakeUp)
            view_.setStatusText(QString()); // nothing is coming any more
        alarm_.stop();
        platform_.mixer->writeWaveVolume(savedWave_.value_or(0xFFFFFFFFu));
    }
    phase_ = Phase::Idle;
    platform_.awake->release();
    quitIfAsked();
}

void SessionController::returnToIdle()
{
    view_.enableSetupControls();
    view_.showStartPicture();
    view_.showRestCaption();
}

bool SessionController::closeRequested()
{
    if (!isRunning() && !wakeUpSounding())
        return true;
    quitWhenDone_ = true;
    quitIfAsked(); // after the wake-up: once it has been heard
    return false;
}

bool SessionController::wakeUpSounding() const
{
    return openingStartFile_ || platform_.chime->isPlaying();
}

void SessionController::quitIfAsked()
{
    if (!quitWhenDone_ || isRunning())
        return;
    // The wake-up must be heard: the desktop's answer about the start file
    // first, then the chime, played out or silenced.
    if (openingStartFile_)
        return; // asked again when the answer comes
    if (platform_.chime->isPlaying()) {
        platform_.chime->whenSilent([this] { quitIfAsked(); });
        return;
    }
    quitWhenDone_ = false;
    platform_.quitApplication();
}
