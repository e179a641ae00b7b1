// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <functional>

#include "platform/dbuscall.h"
#include "platform/nowplaying.h"

class QDBusError;
class QDBusMessage;

// The music through the media players' MPRIS interfaces on the session bus.
// Which player began playing last is learnt from their PropertiesChanged
// signals, from this object's start on; players that began before count as
// earlier, in the bus's order. A followed player is watched through its
// signals alone: its position is read only when a pause, a play, a change of
// rate or of track asks for it (Seeked carries it), and at most once a second
// but for a new track. Every call is asynchronous, with Mpris::TimeoutMs.
class MprisNowPlaying : public NowPlaying {
    Q_OBJECT
public:
    explicit MprisNowPlaying(const QDBusConnection &sessionBus, QObject *parent = nullptr);

    void lookUp() override;
    void follow(const QString &player) override;
    void unfollow() override;
    void resume(const PlayingTrack &note) override;

private Q_SLOTS:
    void propertiesChanged(const QDBusMessage &message);
    void seeked(const QDBusMessage &message);

private:
    struct Candidate;
    void choose(const QList<Candidate> &candidates);
    void readSoon(bool newTrack);
    void read();
    void open(const QString &owner);
    void seekAndPlay(const QString &trackId);
    std::function<void(const QDBusError &)> failResume();
    void endResume(std::optional<ResumeFailure> failure);

    QDBusConnection bus_;
    // Each player's unique name on the bus, and the count of starts when it last began playing.
    QHash<QString, quint64> began_;
    quint64 starts_ = 0;

    // The player followed, as last read; owner_ is its unique name, the sender of its signals.
    QString followed_;
    QString owner_;
    PlayingTrack track_;
    DBusCall::Wanted reads_; // the reads for the player followed now
    bool reading_ = false;
    bool stale_ = false;    // something changed since the read in progress was sent
    bool newTrack_ = false; // and it was a new track, which is read at once
    QElapsedTimer lastRead_;
    QTimer readTimer_;
    QDBusServiceWatcher watcher_;

    // The answers to the resume in progress; once it has ended they are dropped.
    DBusCall::Wanted resuming_;
    PlayingTrack note_; // of the resume in progress
    QString opening_;   // the player that opens the noted url, until its Metadata shows it
};
