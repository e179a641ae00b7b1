#include "session/sessioncontroller.h"

#include <QDir>

#include "audio/chime.h"
#include "audio/mixer.h"
#include "session/volumecontrol.h"
#include "session/awakelock.h"
#include "session/clock.h"
#include "session/mediaplayers.h"
#include "session/power.h"
#include "session/sessionview.h"
#include "session/shell.h"
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

} // namespace

SessionController::SessionController(Parts parts)
    : p_(std::move(parts))
    , alarm_(p_.clock)
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

    const std::optional<quint8> minutes = fieldNumber(p_.view.minutesText(), 255);
    const bool needsWakeUpVolume = p_.view.wakeUpVolumeEnabled();
    const std::optional<quint8> wakeUpPercent = fieldNumber(p_.view.wakeUpVolumeText(), 100);
    if (minutes && (!needsWakeUpVolume || wakeUpPercent)) {
        start(*minutes, wakeUpPercent);
        return;
    }

    if (!minutes) {
        p_.view.markMinutesMissing();
        p_.view.setStatusText(QStringLiteral("Set timer"));
    }
    if (needsWakeUpVolume && !wakeUpPercent) {
        p_.view.markWakeUpVolumeMissing();
        p_.view.setStatusText(QStringLiteral("Set volume"));
    }
}

void SessionController::start(quint8 minutes, std::optional<quint8> wakeUpPercent)
{
    // A failed save ends here with its error shown, before anything has changed.
    QString error;
    if (!SaveSettings(p_.settings, p_.view, &error)) {
        p_.showError(error);
        return;
    }

    p_.view.setStatusText(QString());
    p_.view.disableSetupControls();
    p_.view.showCancelPicture();
    const Power::Action chosen = p_.view.isChoiceChecked(SetupView::Shutdown) ? Power::Action::PowerOff
        : p_.view.isChoiceChecked(SetupView::SuspendMode)                     ? Power::Action::Suspend
                                                                                : Power::Action::None;
    p_.power.probePowerActions(chosen);
    p_.awake.hold();

    wakeUpPercent_ = wakeUpPercent;
    startDay_ = p_.clock.localNow().date();
    p_.volume.refreshIfUnwatched();
    seconds_ = quint16(minutes * 60);
    step_ = quint16(p_.volume.level() / seconds_ + 1);
    ticks_ = 0;
    phase_ = Phase::Fading;
    // One connection to the mixer for the whole fade, not one a second.
    p_.mixer.keepOpen(true);
    p_.clock.startSeconds([this] { tick(); });
}

void SessionController::tick()
{
    const quint16 level = p_.volume.level();
    const quint8 percentShown = p_.volume.percent();
    p_.volume.setLevel(level < step_ ? 0 : quint16(level - step_));
    // In a long fade the percent stays for many seconds; the title is set when it changes.
    if (ticks_ == 0 || p_.volume.percent() != percentShown)
        p_.view.setCaptionAndTitle(QStringLiteral("%1 % - Somnelle ").arg(p_.volume.percent()));
    p_.volume.writeCurrentLevel();

    if (++ticks_ >= seconds_)
        endFade();
}

void SessionController::endFade()
{
    p_.clock.stopSeconds();
    savedWave_ = p_.mixer.readWaveVolume();
    p_.mixer.writeWaveVolume(0);
    p_.mixer.keepOpen(false);
    // Muted is not paused: the night's podcast would play on silently.
    phase_ = Phase::PausingPlayers;
    p_.players.pauseAll([this] {
        if (phase_ == Phase::PausingPlayers)
            runEndAction();
    });
}

void SessionController::runEndAction()
{
    if (p_.view.isChoiceChecked(SetupView::Shutdown)) {
        leaveTheComputer(false);
    } else if (p_.view.isChoiceChecked(SetupView::SuspendMode)) {
        leaveTheComputer(true);
    } else if (p_.view.isChoiceChecked(SetupView::AlarmMode) && wakeUpPercent_) {
        p_.view.setStatusText(QStringLiteral("Soon to get up..."));
        phase_ = Phase::WaitingForWakeUp;
        // "Tomorrow" means the morning after the evening the session started, even when the fade ends past midnight.
        const QDateTime now = p_.clock.localNow();
        const QDate earliestDay = p_.view.tomorrow() ? startDay_.addDays(1) : now.date();
        alarm_.start(NextAlarmTime(now, p_.view.alarmDateTime().time(), earliestDay), [this] { wakeUp(); });
    } else {
        finish();
    }
}

void SessionController::leaveTheComputer(bool suspend)
{
    phase_ = Phase::LeavingTheComputer;
    // The lock goes first, or it would hold off our own request.
    p_.awake.release([this, suspend] {
        if (phase_ != Phase::LeavingTheComputer)
            return; // cancelled while the lock was being given back
        // A refusal is shown where the user looks on waking up to a computer that is still on.
        if (suspend) {
            // The program ends once the computer has resumed; after a refusal it stays, idle.
            p_.power.suspend([this](const QString &refusal) {
                if (refusal.isEmpty())
                    p_.quitApplication();
                else
                    p_.view.setStatusText(QStringLiteral("Suspend refused: %1").arg(refusal));
            });
        } else {
            p_.power.powerOff([this](const QString &refusal) {
                p_.view.setStatusText(QStringLiteral("Power-off refused: %1").arg(refusal));
            });
        }
        finish();
    });
}

void SessionController::wakeUp()
{
    const quint8 percent = *wakeUpPercent_;
    p_.volume.setLevelOfPercent(percent);
    p_.volume.writeCurrentLevel();
    // The user asked to be woken at a volume: a wave output that was muted, or
    // could not be read, before the session is turned fully on.
    p_.mixer.writeWaveVolume(savedWave_.value_or(0) != 0 ? *savedWave_ : 0xFFFFFFFFu);
    const QString name = p_.view.startFile();
    const QString file = ResolveStartFile(name, {QDir::currentPath(), p_.dataFolder});
    p_.view.setStatusText(QString());
    // A start file nobody can play must not make a silent alarm.
    if (StartFileIsMissing(file)) {
        ringChime(QStringLiteral("Start file not found: %1").arg(name));
    } else {
        openingStartFile_ = true;
        p_.shell.openFile(file, [this, name](bool opened) {
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
    if (p_.chime.start())
        p_.view.setStatusText(reason);
    else
        p_.view.setStatusText(reason + QStringLiteral("; no sound device for the chime either"));
}

bool SessionController::silenceChime()
{
    if (!p_.chime.isPlaying())
        return false;
    p_.chime.stop();
    return true;
}

void SessionController::finish()
{
    phase_ = Phase::Idle;
    p_.awake.release();
    returnToIdle();
    quitIfAsked();
}

void SessionController::cancel()
{
    returnToIdle();
    // Cancel ends the session whatever the level, also while waiting for the wake-up.
    if (phase_ == Phase::Fading) {
        p_.clock.stopSeconds();
        p_.mixer.keepOpen(false);
    } else if (phase_ != Phase::Idle) {
        // After the fade, before the end action: give the wave output back what the fade took.
        if (phase_ == Phase::WaitingForWakeUp)
            p_.view.setStatusText(QString()); // nothing is coming any more
        alarm_.stop();
        p_.mixer.writeWaveVolume(savedWave_.value_or(0xFFFFFFFFu));
    }
    phase_ = Phase::Idle;
    p_.awake.release();
    quitIfAsked();
}

void SessionController::returnToIdle()
{
    p_.view.enableSetupControls();
    p_.view.showStartPicture();
    p_.view.showRestCaption();
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
    return openingStartFile_ || p_.chime.isPlaying();
}

void SessionController::quitIfAsked()
{
    if (!quitWhenDone_ || isRunning())
        return;
    // The wake-up must be heard: the desktop's answer about the start file
    // first, then the chime, played out or silenced.
    if (openingStartFile_)
        return; // asked again when the answer comes
    if (p_.chime.isPlaying()) {
        p_.chime.whenSilent([this] { quitIfAsked(); });
        return;
    }
    quitWhenDone_ = false;
    p_.quitApplication();
}
