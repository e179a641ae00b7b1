// SPDX-License-Identifier: MIT
#include "session/fadeprogress.h"

#include <utility>

#include "platform/endwarning.h"
#include "platform/taskbarprogress.h"
#include "session/sessiontext.h"

FadeProgress::FadeProgress(EndWarning &warning, TaskbarProgress &taskbar)
    : warning_(warning)
    , taskbar_(taskbar)
{
}

void FadeProgress::restart(const Setup &setup, const QDateTime &fadeEnd)
{
    endAction_ = setup.endAction;
    dryRun_ = setup.dryRun;
    fadeEnd_ = fadeEnd;
    if (std::exchange(warned_, false))
        warning_.withdraw();
    sentAt_.reset();
}

bool FadeProgress::show(quint32 ticks, quint32 seconds)
{
    const quint32 left = seconds - ticks;
    const bool leaving = endAction_ == EndAction::PowerOff || endAction_ == EndAction::Suspend;
    if (!warned_ && leaving && left <= 60) {
        warned_ = true;
        warning_.show(SessionText::warningSummary(endAction_, dryRun_), SessionText::warningBody(fadeEnd_),
                      int(left) * 1000);
    }
    const int minutesLeft = int((left + 59) / 60);
    const int percentGone = int(100 * ticks / seconds);
    if (sentAt_ && (ticks - *sentAt_ < 10 || (minutesLeft == minutesShown_ && percentGone == percentShown_)))
        return false;
    sentAt_ = ticks;
    minutesShown_ = minutesLeft;
    percentShown_ = percentGone;
    taskbar_.show(double(ticks) / seconds, minutesLeft);
    return true;
}

void FadeProgress::clear()
{
    taskbar_.clear();
}
