// SPDX-License-Identifier: MIT
#include "session/sessiontext.h"

#include <QLocale>
#include <QTime>
#include <QUrl>

#include "platform/clockformat.h"

namespace {

using Phase = SessionView::Phase;

// A moment for scripts: its time of day, and its day when it is more than a day away.
QString scriptMoment(const QDateTime &moment, const QDateTime &now)
{
    const QString time = moment.toString(QStringLiteral("HH:mm"));
    if (now.secsTo(moment) < 24 * 3600)
        return time;
    return QStringLiteral("%1 on %2").arg(time, moment.toString(QStringLiteral("ddd d MMM")));
}

} // namespace

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

QString SessionText::dryRunMarked(const QString &text, bool dryRun)
{
    return dryRun ? tr("%1 (dry run)").arg(text) : text;
}

QString SessionText::statusLine(const SessionView &view, const QDateTime &now)
{
    using Kind = SessionNotice::Kind;
    const SessionNotice &notice = view.notice;
    const QString when = moment(notice.moment, now);
    const bool dry = view.dryRun;
    switch (notice.kind) {
    case Kind::Nothing:
        return {};
    case Kind::FadingUntil:
        return dryRunMarked((view.withTrack ? tr("Fading with the track until %1", "status line")
                                            : tr("Fading until %1", "status line"))
                                .arg(when),
                            dry);
    case Kind::FadingToNothing:
        return dryRunMarked(tr("Fading until %1; nothing follows the fade", "status line").arg(when), dry);
    case Kind::SetTimer:
        return tr("Set timer", "status line");
    case Kind::SetVolume:
        return tr("Set volume", "status line");
    case Kind::InvalidParameters:
        return invalidParameters();
    case Kind::ExtendRefused:
        return extendRefusal(notice.refusal, now);
    case Kind::NothingPlaying:
        return trackMissing(TrackMissing::NothingPlaying);
    case Kind::TrackHasNoEnd:
        return trackMissing(TrackMissing::NoLength);
    case Kind::TrackPaused:
        return dryRunMarked(tr("The track is paused, and the fade waits for it", "status line"), dry);
    case Kind::ResumeAnswered:
        return resumeAnswer(notice.resumed, notice.note);
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

QString SessionText::restLine(bool dryRunWindow)
{
    return dryRunWindow ? tr("Dry run: the computer stays on", "status line") : QString();
}

QString SessionText::title(const SessionView &view)
{
    // From the fade's start until the night is over, the last percent stays.
    if (!view.isRunning() || !view.percent)
        return {};
    // A dry night must not look like a real one, from its first second to its end.
    if (view.withTrack)
        return view.dryRun ? tr("%1 % - Somnelle (dry run, with the track)").arg(*view.percent)
                           : tr("%1 % - Somnelle (with the track)").arg(*view.percent);
    return view.dryRun ? tr("%1 % - Somnelle (dry run)").arg(*view.percent) : tr("%1 % - Somnelle ").arg(*view.percent);
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

QString SessionText::extendRefusal(const ExtendAnswer &answer, const QDateTime &now)
{
    switch (answer.outcome) {
    case ExtendAnswer::Extended:
        break;
    case ExtendAnswer::WaitingForWakeUp:
        return tr("the fade is over; waiting for the wake-up");
    case ExtendAnswer::NoFade:
        return tr("no fade is running");
    case ExtendAnswer::OutOfRange:
        return tr("minutes must be 1 to 99");
    case ExtendAnswer::PassesWakeUp:
        return tr("the wake-up at %1 comes before the new end").arg(moment(answer.wakeUp, now));
    case ExtendAnswer::EndsWithTrack:
        return tr("the night ends with the track");
    }
    return {};
}

QString SessionText::startRefusal(const StartAnswer &answer)
{
    if (answer.outcome == StartAnswer::NotSaved)
        return answer.saveError;
    if (answer.outcome == StartAnswer::NoTrack)
        return trackMissing(answer.track);
    if (answer.missing.isEmpty())
        return {};
    return answer.missing.first() == SetupField::Minutes ? tr("Set timer", "status line")
                                                         : tr("Set volume", "status line");
}

QString SessionText::invalidParameters()
{
    return tr("Invalid parameters", "status line");
}

QString SessionText::wakeRoute(WakeAlarm::Route route)
{
    switch (route) {
    case WakeAlarm::Route::Kernel:
        return tr("This computer can wake itself for the alarm: Somnelle may set its wake-up timer");
    case WakeAlarm::Route::PowerManager:
        return tr("This computer can wake itself for the alarm, through the desktop's power manager");
    case WakeAlarm::Route::None:
        break;
    }
    return tr("This computer cannot wake itself for the alarm: it stays on until then, as without this");
}

QString SessionText::toolTip(const SessionView &view, const QDateTime &now)
{
    QString text;
    switch (view.phase) {
    case Phase::Idle:
        return {};
    case Phase::Fading: {
        const int percent = view.percent.value_or(0);
        // With the track, the end is the track's.
        const QString end
            = view.withTrack ? tr("%1 (with the track)").arg(moment(view.fadeEnd, now)) : moment(view.fadeEnd, now);
        text = view.endAction == EndAction::PowerOff ? tr("%1 % - ends at %2, then shutdown").arg(percent).arg(end)
            : view.endAction == EndAction::Suspend   ? tr("%1 % - ends at %2, then suspend").arg(percent).arg(end)
            : view.endAction == EndAction::Alarm     ? tr("%1 % - ends at %2, then the alarm").arg(percent).arg(end)
                                                     : tr("%1 % - ends at %2").arg(percent).arg(end);
        break;
    }
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        text = tr("The fade is over");
        break;
    case Phase::WaitingForWakeUp: {
        const QString wakeUp = moment(view.wakeUp, now);
        text = view.asleep ? tr("Wake-up at %1; the computer sleeps until then").arg(wakeUp)
                           : tr("Wake-up at %1").arg(wakeUp);
        break;
    }
    case Phase::OpeningStartFile:
    case Phase::Chiming:
        return tr("The wake-up is sounding");
    }
    return dryRunMarked(text, view.dryRun);
}

QString SessionText::statusReport(const SessionView &view, const QDateTime &now)
{
    switch (view.phase) {
    case Phase::Idle:
        return QStringLiteral("idle");
    case Phase::Fading: {
        // A night without an end action names none.
        const QString then = view.endAction == EndAction::PowerOff ? QStringLiteral(", then shutdown")
            : view.endAction == EndAction::Suspend                 ? QStringLiteral(", then suspend")
            : view.endAction == EndAction::Alarm                   ? QStringLiteral(", then the alarm")
                                                                   : QString();
        return QStringLiteral("fading %1 %, ends %2at %3%4%5")
            .arg(view.percent.value_or(0))
            .arg(view.withTrack ? QStringLiteral("with the track ") : QString(), scriptMoment(view.fadeEnd, now), then,
                 view.dryRun ? QStringLiteral(" (dry run)") : QString());
    }
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        return QStringLiteral("ending");
    case Phase::WaitingForWakeUp:
        return QStringLiteral("waiting for the wake-up at %1%2")
            .arg(scriptMoment(view.wakeUp, now),
                 view.asleep ? QStringLiteral("; the computer sleeps until then") : QString());
    case Phase::OpeningStartFile:
    case Phase::Chiming:
        break;
    }
    return QStringLiteral("wake-up sounding");
}

QString SessionText::anotherNight(const SessionView &view, const QDateTime &now)
{
    // The night as --status says it, for the script that may read this too; only a fade can be extended.
    const QString night = statusReport(view, now);
    return view.phase == Phase::Fading ? tr("a session is already running: %1; use --cancel or --extend").arg(night)
                                       : tr("a session is already running: %1; use --cancel").arg(night);
}

QString SessionText::trackMissing(TrackMissing why)
{
    return why == TrackMissing::NoLength ? tr("The music playing has no end to wait for (a stream)", "status line")
                                         : tr("Nothing is playing: start the music first", "status line");
}

QString SessionText::trackName(const TrackNote &note)
{
    if (!note.title.isEmpty())
        return note.title;
    const QString file = QUrl(note.url).fileName();
    return file.isEmpty() ? note.url : file;
}

QString SessionText::place(qint64 microseconds)
{
    const QTime at = QTime(0, 0).addMSecs(int(microseconds / 1000));
    return at.toString(at.hour() > 0 ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
}

QString SessionText::resumeOffer(const TrackNote &note)
{
    return tr("Resume \"%1\" from %2").arg(trackName(note), place(note.positionUs));
}

QString SessionText::resumeAnswer(ResumeOutcome outcome, const TrackNote &note)
{
    const QString player = note.identity.isEmpty() ? tr("The player") : note.identity;
    switch (outcome) {
    case ResumeOutcome::Resumed:
        return tr("Playing \"%1\" again from %2", "status line").arg(trackName(note), place(note.positionUs));
    case ResumeOutcome::NothingOffered:
        return tr("Nothing to resume", "status line");
    case ResumeOutcome::PlayerGone:
        return tr("%1 is gone: \"%2\" cannot be resumed", "status line").arg(player, trackName(note));
    case ResumeOutcome::CannotSeek:
        return tr("%1 cannot go back to a place in \"%2\"", "status line").arg(player, trackName(note));
    case ResumeOutcome::NoUrl:
        return tr("%1 has moved on and cannot open \"%2\" again", "status line").arg(player, trackName(note));
    case ResumeOutcome::Failed:
        break;
    }
    return tr("%1 did not resume \"%2\"", "status line").arg(player, trackName(note));
}
