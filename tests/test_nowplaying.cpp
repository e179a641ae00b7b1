// SPDX-License-Identifier: MIT
// MprisNowPlaying against mock players on the private session bus, each with
// a clock of its own (support/mprisplayer.py): what it tells, what the player
// saw, and the end it gives against the player's own.

#include <QtTest>
#include <map>
#include <memory>

#include "dbusmock.h"
#include "platform/mpris.h"
#include "platform/mprisnowplaying.h"

namespace {

using Player = std::unique_ptr<DBusMock::SessionService>;
const QString Interface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Asks the player as a remote control does: "Play", "Rate 2", "SetPosition
// /track/1 60" (seconds); "quit" ends it. The first ask starts it.
void ask(Player &player, const QString &name, const QVariantMap &parameters, const QString &what)
{
    const QStringList words = what.split(' ');
    if (!player) {
        player = std::make_unique<DBusMock::SessionService>("org.mpris.MediaPlayer2." + name, "/org/mpris/MediaPlayer2",
                                                            Interface);
        player->mock().control().call("AddTemplate", SOMNELLE_MPRIS_PLAYER, parameters);
    }
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

} // namespace

class NowPlayingTest : public QObject {
    Q_OBJECT

    const QDBusConnection session_ = DBusMock::privateBus(QDBusConnection::SessionBus);

    static void columns()
    {
        QTest::addColumn<QVariantMap>("a"); // the template's parameters for the player "a"
        QTest::addColumn<QString>("steps"); // requests, "wait MS", or what a player is asked ("b Play")
        QTest::addColumn<QString>("told");  // all that is told; all by the last step if that waits
        QTest::addColumn<QString>("seen");  // all that "a" was asked
    }

    // Each request ("lookUp", "follow a", "resume S": the track last found, at
    // S seconds) is answered within the time-out, all is told, nothing more,
    // and the end the last track told gives is the player's own to the second.
    void run()
    {
        QFETCH(QVariantMap, a);
        QFETCH(QString, steps);
        QFETCH(QString, told);
        QFETCH(QString, seen);
        std::map<QString, Player> players;
        MprisNowPlaying playing(session_);
        QStringList all;
        PlayingTrack last;
        QElapsedTimer since;
        const auto tell = [&](const QString &found) {
            return [&, found](const PlayingTrack &track) {
                const char *how = track.playing ? " playing" : track.stopped ? " stopped" : " paused";
                all << (found.isEmpty() ? "" : found.arg(track.player.right(1), track.title, track.identity))
                        + track.trackId + how;
                last = track;
                since.start();
            };
        };
        connect(&playing, &NowPlaying::found, tell("found %1 (%2 by %3) "));
        connect(&playing, &NowPlaying::changed, tell(""));
        connect(&playing, &NowPlaying::notFound, [&](auto why) { all << QVariant::fromValue(why).toString(); });
        connect(&playing, &NowPlaying::resumeFailed, [&](auto why) { all << QVariant::fromValue(why).toString(); });
        connect(&playing, &NowPlaying::resumed, [&] { all << "resumed"; });
        connect(&playing, &NowPlaying::lost, [&] { all << "lost"; });
        for (const QString &step : steps.split("; ")) {
            const QString verb = step.section(' ', 0, 0), rest = step.section(' ', 1);
            const int before = all.size();
            if (verb == "lookUp") {
                playing.lookUp();
            } else if (verb == "follow") {
                playing.follow(players[rest]->mock().service);
            } else if (verb == "resume") {
                last.positionUs = rest.toLongLong() * 1000000; // the note
                playing.resume(last);
            } else {
                verb == "wait" ? QTest::qWait(rest.toInt())
                               : ask(players[verb], verb, verb == "a" ? a : QVariantMap(), rest);
                continue;
            }
            QTRY_VERIFY_WITH_TIMEOUT(all.size() > before, Mpris::TimeoutMs + 500);
        }
        if (steps.contains(QRegularExpression("wait \\d+$")))
            QCOMPARE(all.join("; "), told);
        QTRY_COMPARE_WITH_TIMEOUT(all.join("; "), told, 5000);
        QTest::qWait(1200);
        QCOMPARE(all.join("; "), told);
        const QString calls = (players["a"] ? players["a"]->mock().calls() : QStringList()).join("; ");
        QCOMPARE(QString(calls).replace("GetAll " + Interface, "read").replace("Get org.mpris.MediaPlayer2 ", ""),
                 seen);
        const Player &teller = players[last.player.right(1)];
        if (teller && (all.last().startsWith('/') || all.last().startsWith("found")))
            QVERIFY(std::abs(*last.msLeft() - (last.playing ? since.elapsed() : 0)
                             - teller->mock().control().call("Left").arguments().value(0).toDouble())
                    < 1000);
    }

private slots:
    void lookUp_data()
    {
        columns();
        const auto row = [](const char *name, const QString &steps, const QString &told,
                            const QString &seen = "Play; read; Identity",
                            const QVariantMap &a = {}) { QTest::newRow(name) << a << steps << told << seen; };
        const QString found = QStringLiteral("found %1 (Track 1 by Mock player) /track/1 playing");
        row("one playing", "a Play; lookUp", found.arg("a"));
        row("two playing: the later", "a Play; b Play; lookUp", found.arg("b"));
        row("the other way round", "b Play; a Play; lookUp", found.arg("a"));
        row("the later paused", "a Play; b Play; b Pause; lookUp", found.arg("a"));
        row("paused only", "a Play; a Pause; lookUp", "NothingPlaying", "Play; Pause; read; Identity");
        row("the later a stream", "b Play; a Play; lookUp", "NoLength", "Play; read; Identity", {{"Length", 0}});
        row("no player", "lookUp", "NothingPlaying", "");
        row("the later hangs: the other, as it is then", "b Play; a Play; lookUp", found.arg("b"),
            "Play; read; Identity", {{"Answers", 0}});
    }
    void lookUp() { run(); }

    void follow_data()
    {
        columns();
        // Each follows "a" as it plays /track/1, which is told first, after a read.
        const auto row = [](const char *name, const QString &steps, const QString &told, const QString &seen) {
            QTest::newRow(name) << QVariantMap() << "a Play; follow a; " + steps << "/track/1 playing; " + told
                                << (seen.isEmpty() ? seen : "Play; read; " + seen);
        };
        const QString on = QStringLiteral("/track/1 playing");
        row("seeked: told without a read", "a SetPosition /track/1 60", on, "SetPosition /track/1 60000000");
        row("paused", "a Pause", "/track/1 paused", "Pause; read");
        row("stopped", "a Stop", "/track/1 stopped", "Stop; read");
        row("played again", "a Pause; wait 1500; a Play", "/track/1 paused; " + on, "Pause; read; Play; read");
        row("twice as fast", "a Rate 2", on, "Set " + Interface + " Rate 2; read");
        row("a new track, told at once", "a Pause; a Next; wait 300", "/track/2 playing", "Pause; Next; read");
        row("many changes in a second: one read", "a Pause; a Play; a Pause; a Play", on,
            "Pause; Play; Pause; Play; read");
        row("seeked twice, paused once: the end within a second",
            "wait 400; a SetPosition /track/1 30; wait 400; a SetPosition /track/1 100; wait 400; a Pause; wait 1500; "
            "a Play; wait 400",
            on + "; " + on + "; /track/1 paused; " + on,
            "SetPosition /track/1 30000000; SetPosition /track/1 100000000; Pause; read; Play; read");
        row("gone", "a quit", "lost", "");
    }
    void follow() { run(); }

    void resume_data()
    {
        columns();
        // Each notes "a" as it plays /track/1, then resumes it at 60 s.
        const auto row = [](const char *name, const QVariantMap &a, const QString &steps, const QString &told,
                            const QString &seen) {
            QTest::newRow(name) << a << "a Play; lookUp; " + steps + "resume 60"
                                << "found a (Track 1 by Mock player) /track/1 playing; " + told
                                << (seen.isEmpty() ? seen : "Play; read; Identity; " + seen);
        };
        row("the same track: to its place", {}, "a Pause; ", "resumed",
            "Pause; read; SetPosition /track/1 60000000; Play");
        row("moved on: opened again, then to its place", {}, "a Next; ", "resumed",
            "Next; read; OpenUri file:///music/1.ogg; SetPosition /track/3 60000000; Play");
        row("moved on, no url", {{"Url", false}}, "a Next; ", "NoUrl", "Next; read");
        row("cannot seek", {{"CanSeek", false}}, "", "CannotSeek", "read");
        row("gone", {}, "a quit; ", "PlayerGone", "");
        row("hangs", {{"Answers", 1}}, "", "Failed", "read");
    }
    void resume() { run(); }
};

QTEST_MAIN(NowPlayingTest)
#include "test_nowplaying.moc"
