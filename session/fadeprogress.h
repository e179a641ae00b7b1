// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <optional>

#include "settings/setup.h"

class EndWarning;
class TaskbarProgress;

// What the desktop shows of a fade: a warning a minute before the computer
// goes off, which someone still awake may act on, and the progress on the
// task bar's button, which hears only of what it shows changing and at most
// every ten seconds, so that the fade stays as light as it is.
class FadeProgress {
public:
    FadeProgress(EndWarning &warning, TaskbarProgress &taskbar);

    // A fade begins, or was extended: the warning, when one was shown, comes again before the new end.
    void restart(const Setup &setup, const QDateTime &fadeEnd);
    // ticks of the fade's seconds have passed; answers whether the progress went out.
    bool show(quint32 ticks, quint32 seconds);
    // The fade is over or cancelled: the task bar shows nothing.
    void clear();

private:
    EndWarning &warning_;
    TaskbarProgress &taskbar_;
    EndAction endAction_ = EndAction::None;
    bool dryRun_ = false;
    QDateTime fadeEnd_;
    bool warned_ = false;
    std::optional<quint32> sentAt_; // the tick of the last progress sent
    int minutesShown_ = 0;
    int percentShown_ = 0;
};
