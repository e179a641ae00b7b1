// SPDX-License-Identifier: MIT
#include "session/sessiontext.h"

#include <QLocale>

#include "platform/clockformat.h"

QString SessionText::moment(const QDateTime &moment, const QDateTime &now)
{
    const QLocale locale = QLocale::system();
    const QString time = locale.toString(moment.time(), ClockFormat::hoursAndMinutes(locale));
    // Past a day, the time of day alone could mean today.
    if (now.secsTo(moment) < 24 * 3600)
        return time;
    return tr("%1 on %2", "a time of day, then a day")
        .arg(time, QLocale().toString(moment, tr("ddd d MMM", "the day's format")));
}

QString SessionText::statusLine(const SessionNotice &notice, const QDateTime &now)
{
    using Kind = SessionNotice::Kind;
    const QString when = moment(notice.moment, now);
    const bool dry = notice.dryRun;
    switch (notice.kind) {
    case Kind::Nothing:
        return {};
    case Kind::FadingUntil:
        return dryRunMarked(tr("Fading until %1", "status line").arg(when), dry);
    case Kind::FadingToNothing:
        return dryRunMarked(tr("Fading until %1; nothing follows the fade", "status line").arg(when), dry);
    case Kind::SetTimer:
        return tr("Set timer", "status line");
    case Kind::SetVolume:
        return tr("Set volume", "status line");
    case Kind::SoonToGetUp:
        return dryRunMarked(tr("Soon to get up...", "status line"), dry);
    case Kind::AwakeForWakeUp:
        return tr("Awake for the wake-up at %1", "status line").arg(when);
    case Kind::SleepsUntil:
        return (dry ? tr("Dry run: the computer would sleep until %1", "status line")
                    : tr("The computer sleeps until %1", "status line"))
            .arg(when);
    case Kind::CannotWake:
        return (dry ? tr("Dry run: the computer cannot wake itself; would stay on until %1", "status line")
                    : tr("This computer cannot wake itself; it stays on until %1", "status line"))
            .arg(when);
    case Kind::TooCloseToSleep:
        return (dry ? tr("Dry run: the wake-up is too close; it would stay on until %1", "status line")
                    : tr("The wake-up is too close to sleep; the computer stays on until %1", "status line"))
            .arg(when);
    case Kind::WouldPowerOffNow:
        return tr("Dry run: the computer would shut down now", "status line");
    case Kind::WouldSuspendNow:
        return tr("Dry run: the computer would suspend now", "status line");
    case Kind::PowerOffRefused:
        return tr("Power-off refused: %1", "status line").arg(notice.detail);
    case Kind::SuspendRefused:
        return tr("Suspend refused: %1", "status line").arg(notice.detail);
    case Kind::StartFileMissing:
    case Kind::StartFileNotAFile:
    case Kind::StartFileUnreadable:
    case Kind::StartFileNotOpened:
        break;
    }
    const QString reason = notice.kind == Kind::StartFileMissing
        ? tr("Start file not found: %1", "status line").arg(notice.detail)
        : notice.kind == Kind::StartFileNotAFile ? tr("Start file is not a file: %1", "status line").arg(notice.detail)
        : notice.kind == Kind::StartFileUnreadable
        ? tr("Start file cannot be read: %1", "status line").arg(notice.detail)
        : tr("Could not open %1", "status line").arg(notice.detail);
    return notice.chimeSilent ? tr("%1; no sound device for the chime either", "status line").arg(reason) : reason;
}

QString SessionText::dryRunMarked(const QString &text, bool dryRun)
{
    return dryRun ? tr("%1 (dry run)").arg(text) : text;
}

QString SessionText::title(int percent, bool dryRun)
{
    // A dry night must not look like a real one, from its first second to its end.
    return dryRun ? tr("%1 % - Somnelle (dry run)").arg(percent) : tr("%1 % - Somnelle ").arg(percent);
}

QString SessionText::warningSummary(EndAction action, bool dryRun)
{
    // A dry run says what would happen, never that it will.
    const bool suspend = action == EndAction::Suspend;
    if (dryRun)
        return suspend ? tr("The computer would suspend in 1 minute (dry run)")
                       : tr("The computer would shut down in 1 minute (dry run)");
    return suspend ? tr("The computer will suspend in 1 minute") : tr("The computer will shut down in 1 minute");
}

QString SessionText::warningBody(const QDateTime &fadeEnd)
{
    const QLocale locale = QLocale::system();
    return tr("The sleep timer ends at %1.").arg(locale.toString(fadeEnd.time(), ClockFormat::withSeconds(locale)));
}

QString SessionText::extendRefusal(const SessionController::ExtendAnswer &answer, const QDateTime &now)
{
    switch (answer.outcome) {
    case SessionController::ExtendAnswer::Extended:
        break;
    case SessionController::ExtendAnswer::WaitingForWakeUp:
        return tr("the fade is over; waiting for the wake-up");
    case SessionController::ExtendAnswer::NoFade:
        return tr("no fade is running");
    case SessionController::ExtendAnswer::OutOfRange:
        return tr("minutes must be 1 to 99");
    case SessionController::ExtendAnswer::PassesWakeUp:
        return tr("the wake-up at %1 comes before the new end").arg(moment(answer.wakeUp, now));
    }
    return {};
}

QString SessionText::indicatorToolTip(const SessionController &session, int percent)
{
    using Phase = SessionController::Phase;
    QString text;
    switch (session.phase()) {
    case Phase::Idle:
        return {};
    case Phase::Fading: {
        const EndAction action = session.setup().endAction;
        const QString end = moment(session.fadeEndsAt(), session.now());
        text = action == EndAction::PowerOff ? tr("%1 % - ends at %2, then shutdown").arg(percent).arg(end)
            : action == EndAction::Suspend   ? tr("%1 % - ends at %2, then suspend").arg(percent).arg(end)
            : action == EndAction::Alarm     ? tr("%1 % - ends at %2, then the alarm").arg(percent).arg(end)
                                             : tr("%1 % - ends at %2").arg(percent).arg(end);
        break;
    }
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        text = tr("The fade is over");
        break;
    case Phase::WaitingForWakeUp: {
        const QString wakeUp = moment(session.wakeUpAt(), session.now());
        text = session.sleepsUntilWakeUp() ? tr("Wake-up at %1; the computer sleeps until then").arg(wakeUp)
                                           : tr("Wake-up at %1").arg(wakeUp);
        break;
    }
    case Phase::OpeningStartFile:
    case Phase::Chiming:
        return tr("The wake-up is sounding");
    }
    return dryRunMarked(text, session.setup().dryRun);
}
