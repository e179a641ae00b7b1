// SPDX-License-Identifier: MIT
#include "app/statusreport.h"

#include <QCoreApplication>

#include "session/sessioncontroller.h"
#include "session/volumecontrol.h"

namespace {

// A moment for scripts: its time of day, and its day when it is more than a day away.
QString momentText(const QDateTime &moment, const QDateTime &now)
{
    const QString time = moment.toString(QStringLiteral("HH:mm"));
    if (now.secsTo(moment) < 24 * 3600)
        return time;
    return QStringLiteral("%1 on %2").arg(time, moment.toString(QStringLiteral("ddd d MMM")));
}

QString fading(const SessionController &session, const VolumeControl &volume)
{
    const EndAction action = session.setup().endAction;
    // A night without an end action names none.
    const QString then = action == EndAction::PowerOff ? QStringLiteral(", then shutdown")
        : action == EndAction::Suspend                 ? QStringLiteral(", then suspend")
        : action == EndAction::Alarm                   ? QStringLiteral(", then the alarm")
                                                       : QString();
    return QStringLiteral("fading %1 %, ends at %2%3%4")
        .arg(volume.percent())
        .arg(momentText(session.fadeEndsAt(), session.now()), then,
             session.setup().dryRun ? QStringLiteral(" (dry run)") : QString());
}

} // namespace

QString StatusReport::line(const SessionController &session, const VolumeControl &volume)
{
    using Phase = SessionController::Phase;
    switch (session.phase()) {
    case Phase::Idle:
        return QStringLiteral("idle");
    case Phase::Fading:
        return fading(session, volume);
    case Phase::PausingPlayers:
    case Phase::LeavingTheComputer:
        return QStringLiteral("ending");
    case Phase::WaitingForWakeUp:
        return QStringLiteral("waiting for the wake-up at %1%2")
            .arg(momentText(session.wakeUpAt(), session.now()),
                 session.sleepsUntilWakeUp() ? QStringLiteral("; the computer sleeps until then") : QString());
    case Phase::OpeningStartFile:
    case Phase::Chiming:
        break;
    }
    return QStringLiteral("wake-up sounding");
}

QString StatusReport::refusalOfAnotherSession(const SessionController &session, const VolumeControl &volume)
{
    // The session as --status says it, for the script that may read this too; only a fade can be extended.
    const QString now = line(session, volume);
    return session.phase() == SessionController::Phase::Fading
        ? QCoreApplication::translate("SessionController", "a session is already running: %1; use --cancel or --extend")
              .arg(now)
        : QCoreApplication::translate("SessionController", "a session is already running: %1; use --cancel").arg(now);
}
