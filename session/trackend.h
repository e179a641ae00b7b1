// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QObject>

#include "platform/nowplaying.h"

class Clock;

// The end of the track playing now, for a night that ends with it: the track
// of the player that began playing last, its end at its pace, told again when
// a seek, a pause, a play or a new pace moves it, and over once it has ended
// (another track began, or the player stopped or left).
class TrackEnd : public QObject {
    Q_OBJECT
public:
    TrackEnd(NowPlaying &playing, Clock &clock, QObject *parent = nullptr);

    // Looks for the track: found, and from then on followed; or missing.
    void find();
    void stop();

Q_SIGNALS:
    void found(const QDateTime &end);
    void missing(NowPlaying::Missing why);
    // Its end moved: a seek, a play again, a new pace.
    void moved(const QDateTime &end);
    // Paused, its end moves on as long as it is.
    void paused();
    void over();

private:
    void trackFound(const PlayingTrack &track);
    void trackChanged(const PlayingTrack &track);
    QDateTime endOf(const PlayingTrack &track) const;

    NowPlaying &playing_;
    Clock &clock_;
    bool finding_ = false;
    bool following_ = false;
    QString trackId_; // the track the night ends with
};
