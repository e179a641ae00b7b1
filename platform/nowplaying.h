// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <optional>

// A track as a media player plays it, at one moment: its length, place and
// pace let a night end with it; who plays it and where it comes from let the
// user find the place again later.
struct PlayingTrack {
    QString player;   // the player's name on the bus
    QString identity; // the player's name for people (found() says it; changed() leaves it empty)
    QString trackId;  // the player's name for the track; a new one is a new track
    QString title;
    QString url;           // where the track comes from; empty when the player does not say
    qint64 lengthUs = 0;   // 0: no length (a stream)
    qint64 positionUs = 0; // as of the moment of the signal that carries the track
    double rate = 1.0;     // the pace: 2 plays twice as fast
    bool playing = false;  // else paused, or stopped
    bool stopped = false;  // it plays nothing more: its list has ended, or it was stopped
    bool canSeek = false;

    // The time the track has left to play from the moment of the signal, at
    // its rate; none for a stream. A paused track keeps it: its end moves on
    // until it plays again.
    std::optional<qint64> msLeft() const
    {
        if (lengthUs <= 0 || rate <= 0)
            return std::nullopt;
        return qMax<qint64>(0, qRound64((lengthUs - positionUs) / rate / 1000));
    }
};

// The music the user falls asleep to, through the desktop's media players.
// Requests return at once; every answer is a signal that carries its values,
// after a short time at most, whatever the players do.
class NowPlaying : public QObject {
    Q_OBJECT
public:
    // Why no track was found: nothing plays, or it has no end (a stream).
    enum class Missing { NothingPlaying, NoLength };
    Q_ENUM(Missing)
    // Why the noted place cannot be played again: the player has left the
    // bus, cannot seek, has moved on and the track has no url to open again,
    // or it refused or did not answer (or show the opened track) in time.
    enum class ResumeFailure { PlayerGone, CannotSeek, NoUrl, Failed };
    Q_ENUM(ResumeFailure)

    using QObject::QObject;

    // The track of the player that began playing last, as it is now: found,
    // or notFound. It is also the note of where the user fell asleep.
    virtual void lookUp() = 0;
    // Follows one player (PlayingTrack::player), another than before if one
    // was: changed at once with how it plays, then after each seek, pause,
    // play, change of rate or of track, at once for a new track, else at
    // most once a second; lost once it has left the bus (and it is followed
    // no more).
    virtual void follow(const QString &player) = 0;
    virtual void unfollow() = 0;
    // Plays a noted track again from its place, where it can: answered by
    // resumed or resumeFailed, and then nothing else is done.
    virtual void resume(const PlayingTrack &note) = 0;

Q_SIGNALS:
    void found(const PlayingTrack &track);
    void notFound(NowPlaying::Missing why);
    void changed(const PlayingTrack &track);
    void lost();
    void resumed();
    void resumeFailed(NowPlaying::ResumeFailure why);
};
