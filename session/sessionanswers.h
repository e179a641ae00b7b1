// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// A setup field that Start found missing.
enum class SetupField { Minutes, WakeUpPercent };

// What came of Start. Nothing started unless Started: the fields at fault
// are marked, or the setup could not be saved (the store's message says why).
struct StartAnswer {
    enum Outcome { Started, AlreadyRunning, FieldMissing, NotSaved } outcome = Started;
    QList<SetupField> missing; // in the order they were checked
    QString saveError;
};

// What came of an extension; wakeUp names the wake-up it would pass.
struct ExtendAnswer {
    enum Outcome { Extended, WaitingForWakeUp, NoFade, OutOfRange, PassesWakeUp } outcome = Extended;
    QDateTime wakeUp;
    bool operator==(const ExtendAnswer &other) const { return outcome == other.outcome && wakeUp == other.wakeUp; }
};
