// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include "session/sessioncontroller.h"
#include "session/sessionnotice.h"
#include "settings/setup.h"

// The session's words for people, in their language and their locale's
// clock: the status line, the title during a fade and the warning before the
// computer goes off. A moment more than a day after now names its day.
class SessionText {
    Q_DECLARE_TR_FUNCTIONS(SessionText)
public:
    static QString statusLine(const SessionNotice &notice, const QDateTime &now);
    // "37 % - Somnelle ", and a dry run's "37 % - Somnelle (dry run)".
    static QString title(int percent, bool dryRun);
    static QString warningSummary(EndAction action, bool dryRun);
    static QString warningBody(const QDateTime &fadeEnd);
    // The panel indicator's tool tip: what --status says, for people.
    static QString indicatorToolTip(const SessionController &session, int percent);
    // Why an extension was refused (empty when it was not), as --extend prints it.
    static QString extendRefusal(const SessionController::ExtendAnswer &answer, const QDateTime &now);
    // A moment for people: its time of day as the locale writes it, and its
    // day when it is more than a day after now.
    static QString moment(const QDateTime &moment, const QDateTime &now);

private:
    // "... (dry run)" for a dry run's text.
    static QString dryRunMarked(const QString &text, bool dryRun);
};
