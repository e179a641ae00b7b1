// SPDX-License-Identifier: MIT
// The night that follows the music, on a driven clock and a player the test
// plays: a night that ends with the track, and where one fell asleep.

#include <QtTest>

#include "session/sessiontext.h"
#include "sessionrig.h"

class TrackTest : public QObject {
    Q_OBJECT

    // A three-minute track, from its start; the player changes it as a row says.
    static PlayingTrack track(double atSeconds = 0, bool playing = true, const QString &id = QStringLiteral("/1"))
    {
        PlayingTrack played;
        played.player = QStringLiteral("org.mpris.MediaPlayer2.mpv");
        played.identity = QStringLiteral("mpv");
        played.trackId = id;
        played.title = QStringLiteral("Nocturne");
        played.url = QStringLiteral("file:///music/nocturne.ogg");
        played.lengthUs = 180 * 1000000LL;
        played.positionUs = qRound64(atSeconds * 1000000);
        played.playing = playing;
        played.canSeek = true;
        return played;
    }

private slots:
    // The fade reaches 0 at the track's end, wherever seeks, pauses and a new
    // track move it; the end action follows at once.
    void endsWithTheTrack_data()
    {
        // "wait S" (the wall clock and the ticks), "ms N" (the wall clock alone), "seek S", "pause", "play S",
        // "next", "lost", "extend"
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<double>("endsAfter"); // seconds from Start; -1: never started
        QTest::addColumn<QString>("status");
        QTest::newRow("plays out") << QStringList {"wait 200"} << 180.0 << "";
        QTest::newRow("its end between two ticks") << QStringList {"ms 300", "seek 89.9", "wait 200"} << 90.4 << "";
        QTest::newRow("seeked twice and paused once")
            << QStringList {"wait 30", "seek 90", "wait 10", "seek 150", "pause", "wait 20", "play 150", "wait 60"}
            << 90.0 << "";
        QTest::newRow("the next track begins early") << QStringList {"wait 10", "next", "wait 200"} << 10.0 << "";
        QTest::newRow("the player leaves") << QStringList {"wait 5", "lost", "wait 200"} << 5.0 << "";
        QTest::newRow("no more minutes than the track's")
            << QStringList {"extend", "wait 200"} << 180.0 << "the night ends with the track";
        QTest::newRow("paused: the fade waits")
            << QStringList {"pause", "wait 30"} << -1.0 << "The track is paused, and the fade waits for it";
    }

    void endsWithTheTrack()
    {
        QFETCH(QStringList, steps);
        QFETCH(double, endsAfter);
        QFETCH(QString, status);
        NightRig r(65535);
        r.playing.track = track();
        const QDateTime started = r.clock.now;
        std::optional<QDateTime> leftAt;
        r.power.onRequest = [&] { leftAt = r.clock.now; };
        r.setUp(QString(), EndAction::PowerOff);
        r.setup.endWithTrack = true;
        r.click();
        QCOMPARE(r.s.status, QStringLiteral("Fading with the track until 22:03"));
        QCOMPARE(SessionText::statusReport(r.session.view(), r.clock.now),
                 QStringLiteral("fading 100 %, ends with the track at 22:03, then shutdown"));
        QCOMPARE(SessionText::toolTip(r.session.view(), r.clock.now),
                 QStringLiteral("100 % - ends at 22:03 (with the track), then shutdown"));
        for (const QString &step : steps) {
            const QString what = step.section(' ', 0, 0);
            const double at = step.section(' ', 1).toDouble();
            // The last tick may come before the track's end, which the night then waits for.
            if (what == QLatin1String("wait")) {
                const QDateTime until = r.clock.now.addSecs(qint64(at));
                r.clock.advance(int(at));
                r.clock.runUntil(until);
            } else if (what == QLatin1String("ms"))
                r.clock.runUntil(r.clock.now.addMSecs(qint64(at)));
            else if (what == QLatin1String("seek") || what == QLatin1String("play"))
                Q_EMIT r.playing.changed(track(at));
            else if (what == QLatin1String("pause"))
                Q_EMIT r.playing.changed(track(0, false));
            else if (what == QLatin1String("next"))
                Q_EMIT r.playing.changed(track(0, true, QStringLiteral("/2")));
            else if (what == QLatin1String("lost"))
                Q_EMIT r.playing.lost();
            else
                r.session.extend(15);
            if (!status.isEmpty() && what != QLatin1String("wait"))
                QCOMPARE(r.s.status, status);
        }
        if (endsAfter < 0) {
            QVERIFY(!leftAt);
            QVERIFY(r.session.isRunning());
            return;
        }
        // At the track's end, the fade's last second silent.
        QCOMPARE(started.msecsTo(leftAt.value_or(QDateTime())), qRound64(endsAfter * 1000));
        QCOMPARE(r.mixer.level, quint16(0));
        QCOMPARE(r.players.pauses, 1);
    }

    // Nothing to end with: nothing starts, and the status line says why.
    void noTrackNoNight_data()
    {
        QTest::addColumn<qint64>("length"); // -1: nothing plays
        QTest::addColumn<bool>("later");    // the player answers after the Start
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing plays") << qint64(-1) << false << "Nothing is playing: start the music first";
        QTest::newRow("nothing plays, said later") << qint64(-1) << true << "Nothing is playing: start the music first";
        QTest::newRow("a stream") << qint64(0) << false << "The music playing has no end to wait for (a stream)";
    }

    void noTrackNoNight()
    {
        QFETCH(qint64, length);
        QFETCH(bool, later);
        QFETCH(QString, status);
        NightRig r(65535);
        if (length >= 0) {
            r.playing.track = track();
            r.playing.track->lengthUs = length;
        }
        QSignalSpy answered(&r.session, &SessionController::startAnswered);
        r.playing.answersLater = later;
        r.setUp(QString(), EndAction::PowerOff);
        r.setup.endWithTrack = true;
        // The answer is Start's own when the player gave it at once, else told when it comes.
        QCOMPARE(r.click().outcome, later ? StartAnswer::LookingForTrack : StartAnswer::NoTrack);
        r.playing.answer();
        QCOMPARE(answered.size(), int(later));
        QCOMPARE(later ? answered.value(0).value(0).value<StartAnswer>().outcome : StartAnswer::NoTrack,
                 StartAnswer::NoTrack);
        QCOMPARE(r.s.status, status);
        QVERIFY(r.idle() && !r.clock.ticking());
        QCOMPARE(r.settings.writes, 0);
    }

    // Half way through a real fade the player that plays is noted; a day long,
    // and for a track of two minutes or more, it is offered and played again.
    void whereOneFellAsleep_data()
    {
        QTest::addColumn<QString>("night");  // "real", "dry run", "silence"
        QTest::addColumn<int>("hoursLater"); // when it is offered
        QTest::addColumn<int>("failure");    // -1: resumed, else NowPlaying::ResumeFailure
        QTest::addColumn<QString>("status");
        const int none = -1;
        QTest::newRow("resumed") << "real" << 8 << none << "Playing \"Nocturne\" again from 1:30";
        QTest::newRow("the player is gone") << "real" << 8 << int(NowPlaying::ResumeFailure::PlayerGone)
                                            << "mpv is gone: \"Nocturne\" cannot be resumed";
        QTest::newRow("it cannot seek") << "real" << 8 << int(NowPlaying::ResumeFailure::CannotSeek)
                                        << "mpv cannot go back to a place in \"Nocturne\"";
        QTest::newRow("a day later") << "real" << 25 << none << "Nothing to resume";
        QTest::newRow("a dry run notes nothing") << "dry run" << 1 << none << "Nothing to resume";
        QTest::newRow("nothing played") << "silence" << 1 << none << "Nothing to resume";
    }

    void whereOneFellAsleep()
    {
        QFETCH(QString, night);
        QFETCH(int, hoursLater);
        QFETCH(int, failure);
        QFETCH(QString, status);
        NightRig r(60000);
        if (night != QLatin1String("silence"))
            r.playing.track = track(90);
        r.setUp(QStringLiteral("1"), EndAction::PowerOff);
        r.setup.dryRun = night == QLatin1String("dry run");
        r.click();
        r.clock.advance(29);
        QVERIFY(!r.settings.note); // not before half way
        r.clock.advance(31);
        QCOMPARE(bool(r.settings.note), night == QLatin1String("real"));
        r.clock.now = r.clock.now.addSecs(hoursLater * 3600);
        const std::optional<TrackNote> offered = r.session.noteOffered();
        QCOMPARE(offered ? SessionText::resumeOffer(*offered) : QString(),
                 status.startsWith(QLatin1String("Nothing")) ? QString()
                                                             : QStringLiteral("Resume \"Nocturne\" from 1:30"));
        if (failure >= 0)
            r.playing.resumeFailure = NowPlaying::ResumeFailure(failure);
        r.session.resume();
        QCOMPARE(r.s.status, status);
        // Played again, it is not offered again; one that could not be is.
        QCOMPARE(bool(r.session.noteOffered()), offered && failure >= 0);
        QCOMPARE(r.playing.resumes.size(), int(bool(offered)));
    }
};

QTEST_MAIN(TrackTest)
#include "test_track.moc"
