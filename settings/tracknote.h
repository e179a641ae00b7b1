// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

// Where the listener fell asleep: the track a media player played when the
// fade was half way, and its place in it, kept so that it can be found again,
// also after a power-off.
struct TrackNote {
    QString player;   // the player's name on the bus
    QString identity; // its name for people
    QString trackId;  // the player's name for the track
    QString title;
    QString url;           // where the track comes from; empty when the player did not say
    qint64 positionUs = 0; // the place in it
    qint64 lengthUs = 0;
    QDateTime notedAt;

    // Offered for a day, and for a track of two minutes or more: a note older
    // than that, or of a short song, is not worth finding again.
    bool isOffered(const QDateTime &now) const;
};
