// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include "platform/wakealarm.h"
#include "session/sessionview.h"

// The night's words, from the one value that says what it is: for people, in
// their language and their locale's clock (the status line, the title, the
// panel's tool tip, the warning, the refusals), and for scripts, in English
// with 24 hours (the --status line). A moment more than a day after now
// names its day.
class SessionText {
    Q_DECLARE_TR_FUNCTIONS(SessionText)
public:
    static QString statusLine(const SessionView &view, const QDateTime &now);
    // What the status line says at rest: a window for trying says so.
    static QString restLine(bool dryRunWindow);
    // "37 % - Somnelle " while a night runs, and a dry run's "37 % - Somnelle
    // (dry run)"; empty at rest.
    static QString title(const SessionView &view);
    static QString warningSummary(EndAction action, bool dryRun);
    static QString warningBody(const QDateTime &fadeEnd);
    // The panel's tool tip: what --status says, for people.
    static QString toolTip(const SessionView &view, const QDateTime &now);
    // --status: one line for scripts.
    static QString statusReport(const SessionView &view, const QDateTime &now);
    // Why a start from elsewhere was refused while a night runs, as --status says the night.
    static QString anotherNight(const SessionView &view, const QDateTime &now);
    // Why Start started nothing: the first field missing, or why the setup was not saved.
    static QString startRefusal(const StartAnswer &answer);
    static QString invalidParameters();
    // Why an extension was refused (empty when it was not), as --extend prints it.
    static QString extendRefusal(const ExtendAnswer &answer, const QDateTime &now);
    // The check box's hint: whether and how this computer can wake itself.
    static QString wakeRoute(WakeAlarm::Route route);
    // Where the listener fell asleep, offered: 'Resume "Title" from 12:34'.
    static QString resumeOffer(const TrackNote &note);
    // What came of resuming it.
    static QString resumeAnswer(ResumeOutcome outcome, const TrackNote &note);
    // Why a night that ends with the track found none.
    static QString trackMissing(TrackMissing why);
    // A moment for people: its time of day as the locale writes it, and its
    // day when it is more than a day after now.
    static QString moment(const QDateTime &moment, const QDateTime &now);

private:
    // "... (dry run)" for a dry run's text.
    static QString dryRunMarked(const QString &text, bool dryRun);
    // A noted track for people: its title, else the name it came from.
    static QString trackName(const TrackNote &note);
    // A place in a track: 12:34, or 1:02:03.
    static QString place(qint64 microseconds);
};
