// SPDX-License-Identifier: MIT
// The night's end: the end action once the fade is over (the computer left,
// or the wait for the wake-up), then the wake-up and its sound.
#include "session/sessioncontroller.h"

#include <QDir>
#include <utility>

#include "audio/chime.h"
#include "platform/awakelock.h"
#include "platform/platform.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/startfile.h"
#include "session/volumecontrol.h"

using Kind = SessionNotice::Kind;

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
