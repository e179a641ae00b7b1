// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// A setup field that Start found missing.
enum class SetupField { Minutes, WakeUpPercent };

// Why a night that ends with the track could not start: nothing plays, or the
// track has no end (a stream).
enum class TrackMissing { NothingPlaying, NoLength };

// What came of Start. Nothing started unless Started: the fields at fault
// are marked, the setup could not be saved (the store's message says why),
// or there is no track to end with. A night that ends with the track starts
// once the track is found: LookingForTrack, then the answer comes later.
struct StartAnswer {
    enum Outcome { Started, AlreadyRunning, FieldMissing, NotSaved, LookingForTrack, NoTrack } outcome = Started;
    QList<SetupField> missing; // in the order they were checked
    QString saveError;
    TrackMissing track = TrackMissing::NothingPlaying;
};

// What came of playing again where the listener fell asleep.
enum class ResumeOutcome { Resumed, NothingOffered, PlayerGone, CannotSeek, NoUrl, Failed };

// What came of an extension; wakeUp names the wake-up it would pass.
struct ExtendAnswer {
    enum Outcome { Extended, WaitingForWakeUp, NoFade, OutOfRange, PassesWakeUp, EndsWithTrack } outcome = Extended;
    QDateTime wakeUp;
    bool operator==(const ExtendAnswer &other) const { return outcome == other.outcome && wakeUp == other.wakeUp; }
};
