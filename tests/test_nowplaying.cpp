// SPDX-License-Identifier: MIT
// The track playing, through MprisNowPlaying, against mock players on the
// private session bus (support/mprisplayer.py). Each runs a clock of its own,
// so the time left the adapter tells is checked against the player's, and
// what the adapter asked against what the player saw.

#include <QtTest>
#include <map>
#include <memory>

#include "dbusmock.h"
#include "platform/mpris.h"
#include "platform/mprisnowplaying.h"

namespace {

using Player = std::unique_ptr<DBusMock::SessionService>;
const QString Interface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString Read = "GetAll " + Interface;

// The mock player org.mpris.MediaPlayer2.NAME, begun as the template says.
Player player(const QString &name, const QVariantMap &parameters = {})
{
    auto mock = std::make_unique<DBusMock::SessionService>("org.mpris.MediaPlayer2." + name, "/org/mpris/MediaPlayer2",
                                                           Interface);
    mock->mock().control().call("AddTemplate", SOMNELLE_MPRIS_PLAYER, parameters);
    return mock;
}

// Asks the player as a remote control does: "Play", "Next", "Rate 2",
// "SetPosition /track/1 60" (seconds); "wait MS" waits, "quit" ends it.
void ask(Player &player, const QString &what)
{
    const QStringList words = what.split(' ');
    if (words[0] == "wait")
        return QTest::qWait(words[1].toInt());
    if (words[0] == "quit")
        return player.reset();
    const DBusMock::Mock &mock = player->mock();
    QDBusMessage call = QDBusMessage::createMethodCall(mock.service, mock.path, Interface, words[0]);
    if (words[0] == "SetPosition")
        call << QVariant::fromValue(QDBusObjectPath(words[1])) << qlonglong(words[2].toDouble() * 1e6);
    if (words[0] == "Rate")
        call = QDBusMessage::createMethodCall(mock.service, mock.path, "org.freedesktop.DBus.Properties", "Set")
            << Interface << words[0] << QVariant::fromValue(QDBusVariant(words[1].toDouble()));
    QCOMPARE(mock.bus.call(call).type(), QDBusMessage::ReplyMessage);
}

// What the player's own clock leaves of its 3-minute track, in ms.
double ownLeftMs(const Player &player)
{
    QDBusInterface properties(player->mock().service, player->mock().path, "org.freedesktop.DBus.Properties",
                              player->mock().bus);
    const auto get = [&](const char *name) {
        return properties.call("Get", Interface, name).arguments().value(0).value<QDBusVariant>().variant();
    };
    return (180e6 - get("Position").toDouble()) / get("Rate").toDouble() / 1000;
}

} // namespace

class NowPlayingTest : public QObject {
    Q_OBJECT

    const QDBusConnection session_ = DBusMock::privateBus(QDBusConnection::SessionBus);

private slots:
    void lookUp_data()
    {
        QTest::addColumn<QStringList>("asked"); // of the players "a" and "b", in this order, after our start
        QTest::addColumn<QVariantMap>("b");     // the template's parameters for "b"
        QTest::addColumn<QString>("answer");    // the track found, or why none
        const QString a = QStringLiteral("a Mock player /track/1 Track 1 file:///music/1.ogg");
        const QString b = QStringLiteral("b Mock player /track/1 Track 1 file:///music/1.ogg");
        // clang-format off
        QTest::newRow("one playing") << QStringList {"a Play"} << QVariantMap() << a;
        QTest::newRow("two playing: the later") << QStringList {"a Play", "b Play"} << QVariantMap() << b;
        QTest::newRow("the other way round") << QStringList {"b Play", "a Play"} << QVariantMap() << a;
        QTest::newRow("the later paused") << QStringList {"a Play", "b Play", "b Pause"} << QVariantMap() << a;
        QTest::newRow("paused only") << QStringList {"b Play", "b Pause"} << QVariantMap() << "NothingPlaying";
        QTest::newRow("the later a stream") << QStringList {"a Play", "b Play"} << QVariantMap {{"Length", 0}}
            << "NoLength";
        QTest::newRow("no player") << QStringList() << QVariantMap() << "NothingPlaying";
        QTest::newRow("the later hangs: the other, as it is then") << QStringList {"a Play", "b Play"}
            << QVariantMap {{"Hangs", true}} << a;
        // clang-format on
    }

    void lookUp()
    {
        QFETCH(QStringList, asked);
        QFETCH(QVariantMap, b);
        QFETCH(QString, answer);
        MprisNowPlaying playing(session_);
        std::map<QString, Player> players;
        for (const QString &what : asked) {
            Player &it = players[what.left(1)];
            if (!it)
                it = player(what.left(1), what.startsWith('b') ? b : QVariantMap());
            ask(it, what.section(' ', 1));
        }
        QSignalSpy found(&playing, &NowPlaying::found), notFound(&playing, &NowPlaying::notFound);
        QElapsedTimer elapsed;
        elapsed.start();
        playing.lookUp();
        QTRY_COMPARE(found.size() + notFound.size(), 1);
        QVERIFY(elapsed.elapsed() < Mpris::TimeoutMs + 500);
        if (!notFound.isEmpty()) {
            QCOMPARE(notFound[0][0].toString(), answer);
            return;
        }
        const auto track = found[0][0].value<PlayingTrack>();
        QCOMPARE(QStringList({track.player.section('.', -1), track.identity, track.trackId, track.title, track.url})
                     .join(' '),
                 answer);
        QVERIFY(std::abs(*track.msLeft() - ownLeftMs(players[track.player.right(1)])) < 250);
    }

    void follow_data()
    {
        QTest::addColumn<QStringList>(
            "asked"); // of "a", playing its 3-minute /track/1, once followed; at once after the first read
        QTest::addColumn<QString>("last"); // the last that is told
        QTest::addColumn<int>("reads");    // of its properties, the first one's included
        const QString on = QStringLiteral("/track/1 playing");
        // clang-format off
        QTest::newRow("seeked: no read") << QStringList {"SetPosition /track/1 60"} << on << 1;
        QTest::newRow("paused") << QStringList {"Pause"} << "/track/1 paused" << 2;
        QTest::newRow("played again") << QStringList {"Pause", "wait 1100", "Play"} << on << 3;
        QTest::newRow("twice as fast") << QStringList {"Rate 2"} << on << 2;
        QTest::newRow("a new track") << QStringList {"Next"} << "/track/2 playing" << 2;
        QTest::newRow("a new track at once") << QStringList {"Pause", "Next", "wait 300"} << "/track/2 playing"
            << 2;
        QTest::newRow("many changes in a second: one read") << QStringList {"Pause", "Play", "Pause", "Play"} << on << 2;
        QTest::newRow("seeked twice, paused once: the end to the second") << QStringList {"wait 400",
            "SetPosition /track/1 30", "wait 400", "SetPosition /track/1 100", "wait 400", "Pause", "wait 1500", "Play",
            "wait 400"} << on << 3;
        QTest::newRow("gone") << QStringList {"quit"} << "lost" << 0;
        // clang-format on
    }

    void follow()
    {
        QFETCH(QStringList, asked);
        QFETCH(QString, last);
        QFETCH(int, reads);
        Player a = player("a");
        ask(a, "Play");
        MprisNowPlaying playing(session_);
        QStringList told;
        PlayingTrack track;
        QElapsedTimer since; // the last change told
        connect(&playing, &NowPlaying::lost, [&] { told << QStringLiteral("lost"); });
        connect(&playing, &NowPlaying::changed, [&](const PlayingTrack &changed) {
            told << changed.trackId + (changed.playing ? " playing" : " paused");
            track = changed;
            since.start();
        });
        playing.follow(a->mock().service);
        QTRY_COMPARE(told, QStringList {"/track/1 playing"});
        for (const QString &what : asked)
            ask(a, what);
        // A row that ends waiting has been told by then.
        if (asked.last().startsWith("wait"))
            QCOMPARE(told.last(), last);
        QTRY_COMPARE_WITH_TIMEOUT(told.last(), last, 5000);
        QTest::qWait(1200); // nothing more comes
        QCOMPARE(told.last(), last);
        if (!a)
            return;
        QCOMPARE(a->mock().calls().filter(Read).size(), reads);
        // The end that the signals give, as the player's clock has it; a paused track has it all left.
        QVERIFY(std::abs(*track.msLeft() - (track.playing ? since.elapsed() : 0) - ownLeftMs(a)) < 1000);
    }

    void resume_data()
    {
        QTest::addColumn<QVariantMap>("parameters"); // of "a", playing /track/1, noted at 60 s
        QTest::addColumn<QStringList>("asked");      // of it after the note
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("calls"); // that it has seen since the note
        const QStringList none;
        const QString seek = QStringLiteral("SetPosition %1 60000000");
        // clang-format off
        QTest::newRow("the same track: its place") << QVariantMap() << QStringList {"Pause"} << "resumed"
            << QStringList {Read, seek.arg("/track/1"), "Play"};
        QTest::newRow("moved on: opened again, then its place") << QVariantMap() << QStringList {"Next"} << "resumed"
            << QStringList {Read, "OpenUri file:///music/1.ogg", seek.arg("/track/3"), "Play"};
        QTest::newRow("moved on, no url") << QVariantMap {{"Url", false}} << QStringList {"Next"} << "NoUrl"
            << QStringList {Read};
        QTest::newRow("cannot seek") << QVariantMap {{"CanSeek", false}} << none << "CannotSeek" << QStringList {Read};
        QTest::newRow("gone") << QVariantMap() << QStringList {"quit"} << "PlayerGone" << none;
        QTest::newRow("hangs") << QVariantMap {{"Hangs", true}} << none << "Failed" << QStringList {Read};
        // clang-format on
    }

    void resume()
    {
        QFETCH(QVariantMap, parameters);
        QFETCH(QStringList, asked);
        QFETCH(QString, answer);
        QFETCH(QStringList, calls);
        Player a = player("a", parameters);
        const PlayingTrack note {a->mock().service,
                                 "Mock player",
                                 "/track/1",
                                 "Track 1",
                                 parameters.value("Url", true).toBool() ? "file:///music/1.ogg" : "",
                                 180000000,
                                 60000000};
        ask(a, "Play");
        for (const QString &what : asked)
            ask(a, what);
        if (a)
            a->mock().clearCalls();
        MprisNowPlaying playing(session_);
        QSignalSpy resumed(&playing, &NowPlaying::resumed), failed(&playing, &NowPlaying::resumeFailed);
        playing.resume(note);
        QTRY_COMPARE_WITH_TIMEOUT(resumed.size() + failed.size(), 1, Mpris::TimeoutMs + 500);
        QCOMPARE(failed.isEmpty() ? "resumed" : failed[0][0].toString(), answer);
        QTest::qWait(200); // nothing more is asked
        QCOMPARE(a ? a->mock().calls() : QStringList(), calls);
    }
};

QTEST_MAIN(NowPlayingTest)
#include "test_nowplaying.moc"
