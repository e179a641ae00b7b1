// SPDX-License-Identifier: MIT
#include "session/trackend.h"

#include "platform/clock.h"

TrackEnd::TrackEnd(NowPlaying &playing, Clock &clock, QObject *parent)
    : QObject(parent)
    , playing_(playing)
    , clock_(clock)
{
    connect(&playing_, &NowPlaying::found, this, &TrackEnd::trackFound);
    connect(&playing_, &NowPlaying::notFound, this, [this](NowPlaying::Missing why) {
        if (std::exchange(finding_, false))
            Q_EMIT missing(why);
    });
    connect(&playing_, &NowPlaying::changed, this, &TrackEnd::trackChanged);
    connect(&playing_, &NowPlaying::lost, this, [this] {
        if (std::exchange(following_, false))
            Q_EMIT over();
    });
}

void TrackEnd::find()
{
    stop();
    finding_ = true;
    playing_.lookUp();
}

void TrackEnd::stop()
{
    finding_ = false;
    if (std::exchange(following_, false))
        playing_.unfollow();
}

QDateTime TrackEnd::endOf(const PlayingTrack &track) const
{
    return clock_.localNow().addMSecs(track.msLeft().value_or(0));
}

void TrackEnd::trackFound(const PlayingTrack &track)
{
    if (!std::exchange(finding_, false))
        return; // a look for another (the note of where the listener fell asleep)
    if (!track.msLeft()) {
        Q_EMIT missing(NowPlaying::Missing::NoLength);
        return;
    }
    trackId_ = track.trackId;
    following_ = true;
    playing_.follow(track.player);
    Q_EMIT found(endOf(track));
}

void TrackEnd::trackChanged(const PlayingTrack &track)
{
    if (!following_)
        return;
    // The next track began, or nothing plays any more: the night's track is over.
    if (track.stopped || track.trackId != trackId_ || !track.msLeft()) {
        stop();
        Q_EMIT over();
        return;
    }
    if (track.playing)
        Q_EMIT moved(endOf(track));
    else
        Q_EMIT paused();
}
