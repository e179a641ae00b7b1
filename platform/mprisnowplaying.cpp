// SPDX-License-Identifier: MIT
#include "platform/mprisnowplaying.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include "platform/mpris.h"

using Mpris::Ignored;

namespace {

const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Status = QStringLiteral("PlaybackStatus");
const QString Rate = QStringLiteral("Rate");
const QString Metadata = QStringLiteral("Metadata");
const QString Url = QStringLiteral("xesam:url");
// A player that changes often is read no more often than this.
constexpr int ReadGapMs = 1000;

QVariantMap map(const QVariant &value)
{
    return qdbus_cast<QVariantMap>(value);
}

QString trackIdOf(const QVariantMap &metadata)
{
    const QVariant id = metadata.value(QStringLiteral("mpris:trackid"));
    // Some players give the object path as a plain string.
    return id.metaType() == QMetaType::fromType<QDBusObjectPath>() ? id.value<QDBusObjectPath>().path() : id.toString();
}

// The track in a player's Player properties, as of the answer that gave them.
PlayingTrack trackOf(const QString &player, const QVariantMap &properties)
{
    const QVariantMap metadata = map(properties.value(Metadata));
    PlayingTrack track;
    track.player = player;
    track.trackId = trackIdOf(metadata);
    track.title = metadata.value(QStringLiteral("xesam:title")).toString();
    track.url = metadata.value(Url).toString();
    // Some players say it as another kind of number than the 64-bit one.
    track.lengthUs = qMax<qint64>(0, metadata.value(QStringLiteral("mpris:length")).toLongLong());
    track.positionUs = properties.value(QStringLiteral("Position")).toLongLong();
    track.rate = properties.value(Rate, 1.0).toDouble();
    track.playing = properties.value(Status).toString() == QLatin1String("Playing");
    track.stopped = properties.value(Status).toString() == QLatin1String("Stopped");
    track.canSeek = properties.value(QStringLiteral("CanSeek")).toBool();
    return track;
}

} // namespace

// A player as lookUp finds it.
struct MprisNowPlaying::Candidate {
    QString player;
    QString owner;
    QVariantMap properties;
    QString identity;
    QElapsedTimer since; // its answer
};

MprisNowPlaying::MprisNowPlaying(const QDBusConnection &sessionBus, QObject *parent)
    : NowPlaying(parent)
    , bus_(sessionBus)
{
    // Every player's, to learn which began playing last.
    bus_.connect(QString(), Mpris::Path, Properties, QStringLiteral("PropertiesChanged"), {Mpris::PlayerInterface},
                 QString(), this, SLOT(propertiesChanged(QDBusMessage)));
    readTimer_.setSingleShot(true);
    connect(&readTimer_, &QTimer::timeout, this, &MprisNowPlaying::read);
    watcher_.setConnection(bus_);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        unfollow();
        Q_EMIT lost();
    });
}

void MprisNowPlaying::lookUp()
{
    const auto candidates = std::make_shared<QList<Candidate>>();
    const auto round = Mpris::Round::start(bus_, this, [this, candidates] { choose(*candidates); });
    round->call(
        Mpris::listNames(),
        [round, candidates](const QDBusMessage &reply) {
            const QStringList players = Mpris::players(reply);
            candidates->resize(players.size());
            for (int i = 0; i < players.size(); ++i) {
                (*candidates)[i].player = players[i];
                const auto properties = [candidates, i](const QDBusMessage &answer) {
                    Candidate &candidate = (*candidates)[i];
                    candidate.owner = answer.service();
                    candidate.properties = map(answer.arguments().value(0));
                    candidate.since.start();
                };
                const auto identity = [candidates, i](const QDBusMessage &answer) {
                    (*candidates)[i].identity = answer.arguments().value(0).value<QDBusVariant>().variant().toString();
                };
                round->call(Mpris::getAll(players[i]), properties, Ignored);
                round->call(Mpris::playerCall(players[i], QStringLiteral("Get"),
                                              {QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Identity")},
                                              Properties),
                            identity, Ignored);
            }
        },
        Ignored);
}

void MprisNowPlaying::choose(const QList<Candidate> &candidates)
{
    const Candidate *last = nullptr;
    for (const Candidate &candidate : candidates)
        if (candidate.properties.value(Status).toString() == QLatin1String("Playing")
            && (!last || began_.value(candidate.owner) > began_.value(last->owner)))
            last = &candidate;
    if (!last) {
        Q_EMIT notFound(Missing::NothingPlaying);
        return;
    }
    PlayingTrack track = trackOf(last->player, last->properties);
    track.identity = last->identity;
    // It has played on while the others answered.
    track.positionUs += qRound64(double(last->since.nsecsElapsed() / 1000) * track.rate);
    if (track.lengthUs == 0)
        Q_EMIT notFound(Missing::NoLength);
    else
        Q_EMIT found(track);
}

void MprisNowPlaying::follow(const QString &player)
{
    unfollow();
    followed_ = player;
    watcher_.setWatchedServices({player});
    bus_.connect(QString(), Mpris::Path, Mpris::PlayerInterface, QStringLiteral("Seeked"), this,
                 SLOT(seeked(QDBusMessage)));
    read();
}

void MprisNowPlaying::unfollow()
{
    if (followed_.isEmpty())
        return;
    bus_.disconnect(QString(), Mpris::Path, Mpris::PlayerInterface, QStringLiteral("Seeked"), this,
                    SLOT(seeked(QDBusMessage)));
    watcher_.setWatchedServices({});
    readTimer_.stop();
    reads_.drop();
    followed_.clear();
    owner_.clear();
    reading_ = stale_ = newTrack_ = false;
    lastRead_.invalidate();
}

void MprisNowPlaying::propertiesChanged(const QDBusMessage &message)
{
    const QVariantMap changed = map(message.arguments().value(1));
    const QStringList keys = changed.keys() + message.arguments().value(2).toStringList();
    const QVariantMap metadata = map(changed.value(Metadata));
    if (changed.value(Status).toString() == QLatin1String("Playing"))
        began_[message.service()] = ++starts_;
    if (!opening_.isEmpty() && message.service() == opening_ && metadata.value(Url).toString() == note_.url) {
        opening_.clear();
        seekAndPlay(trackIdOf(metadata));
    }
    if (owner_.isEmpty() || message.service() != owner_)
        return;
    // A player may say that a property changed without its value: a new track, as far as we know.
    const bool newTrack
        = keys.contains(Metadata) && (!changed.contains(Metadata) || trackIdOf(metadata) != track_.trackId);
    if (keys.contains(Status) || keys.contains(Rate) || keys.contains(Metadata))
        readSoon(newTrack);
}

void MprisNowPlaying::seeked(const QDBusMessage &message)
{
    if (owner_.isEmpty() || message.service() != owner_)
        return;
    // The read on its way may have been answered before the seek.
    if (reading_ || stale_) {
        readSoon(false);
        return;
    }
    track_.positionUs = message.arguments().value(0).toLongLong();
    Q_EMIT changed(track_);
}

void MprisNowPlaying::readSoon(bool newTrack)
{
    stale_ = true;
    newTrack_ = newTrack_ || newTrack;
    if (reading_)
        return; // read again once it answers
    const qint64 waitMs = newTrack_ || !lastRead_.isValid() ? 0 : ReadGapMs - lastRead_.elapsed();
    if (waitMs <= 0)
        read();
    else if (!readTimer_.isActive())
        readTimer_.start(int(waitMs));
}

void MprisNowPlaying::read()
{
    readTimer_.stop();
    reading_ = true;
    stale_ = newTrack_ = false;
    lastRead_.start();
    DBusCall::send(
        bus_, Mpris::getAll(followed_), Mpris::TimeoutMs, reads_, this,
        [this](const QDBusMessage &reply) {
            reading_ = false;
            owner_ = reply.service();
            track_ = trackOf(followed_, map(reply.arguments().value(0)));
            Q_EMIT changed(track_);
            if (stale_)
                readSoon(false);
        },
        [this](const QDBusError &error) {
            reading_ = false;
            if (Mpris::isGone(error)) {
                unfollow();
                Q_EMIT lost();
            } else if (stale_) {
                readSoon(false);
            }
        });
}

void MprisNowPlaying::resume(const PlayingTrack &note)
{
    // A new resume replaces one in progress.
    resuming_.drop();
    opening_.clear();
    note_ = note;
    QDBusMessage getAll = Mpris::getAll(note.player);
    // A player that has left is not started again for this.
    getAll.setAutoStartService(false);
    DBusCall::send(
        bus_, getAll, Mpris::TimeoutMs, resuming_, this,
        [this](const QDBusMessage &reply) {
            const PlayingTrack now = trackOf(note_.player, map(reply.arguments().value(0)));
            if (!now.canSeek)
                endResume(ResumeFailure::CannotSeek);
            else if (now.trackId == note_.trackId && now.url == note_.url)
                seekAndPlay(now.trackId);
            else if (note_.url.isEmpty())
                endResume(ResumeFailure::NoUrl);
            else
                open(reply.service());
        },
        [this](const QDBusError &error) {
            endResume(Mpris::isGone(error) ? ResumeFailure::PlayerGone : ResumeFailure::Failed);
        });
}

void MprisNowPlaying::open(const QString &owner)
{
    // Its track is known to be the noted one once its Metadata shows the url; the trackid it shows then is new.
    opening_ = owner;
    DBusCall::send(bus_, Mpris::playerCall(note_.player, QStringLiteral("OpenUri"), {note_.url}), Mpris::TimeoutMs,
                   resuming_, this, Ignored, failResume());
    QTimer::singleShot(Mpris::TimeoutMs, this, [this, wanted = resuming_.now()] {
        if (*wanted && !opening_.isEmpty())
            endResume(ResumeFailure::Failed);
    });
}

void MprisNowPlaying::seekAndPlay(const QString &trackId)
{
    const QDBusMessage setPosition = Mpris::playerCall(
        note_.player, QStringLiteral("SetPosition"), {QVariant::fromValue(QDBusObjectPath(trackId)), note_.positionUs});
    // Play only once it is at the place, else it would play from another.
    DBusCall::send(
        bus_, setPosition, Mpris::TimeoutMs, resuming_, this,
        [this](const QDBusMessage &) {
            DBusCall::send(
                bus_, Mpris::playerCall(note_.player, QStringLiteral("Play")), Mpris::TimeoutMs, resuming_, this,
                [this](const QDBusMessage &) { endResume(std::nullopt); }, failResume());
        },
        failResume());
}

std::function<void(const QDBusError &)> MprisNowPlaying::failResume()
{
    return [this](const QDBusError &) { endResume(ResumeFailure::Failed); };
}

void MprisNowPlaying::endResume(std::optional<ResumeFailure> failure)
{
    resuming_.drop();
    opening_.clear();
    if (failure)
        Q_EMIT resumeFailed(*failure);
    else
        Q_EMIT resumed();
}
