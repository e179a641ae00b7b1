// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <functional>

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
    std::function<void(const QDBusError &)> failResume(quint64 request);
    void endResume(std::optional<ResumeFailure> failure);

    QDBusConnection bus_;
    // Each player's unique name on the bus, and the count of starts when it last began playing.
    QHash<QString, quint64> began_;
    quint64 starts_ = 0;

    // The player followed, as last read; owner_ is its unique name, the sender of its signals.
    QString followed_;
    QString owner_;
    PlayingTrack track_;
    quint64 follows_ = 0; // counts follow and unfollow: a read for an earlier one is dropped
    bool reading_ = false;
    bool stale_ = false;    // something changed since the read in progress was sent
    bool newTrack_ = false; // and it was a new track, which is read at once
    QElapsedTimer lastRead_;
    QTimer readTimer_;
    QDBusServiceWatcher watcher_;

    // Counts the resumes and their ends: an answer to one that has ended is dropped.
    quint64 resumes_ = 0;
    PlayingTrack note_; // of the resume in progress
    QString opening_;   // the player that opens the noted url, until its Metadata shows it
};
