// SPDX-License-Identifier: MIT
// A wake-up that is heard: the chime reaches the private sound server when
// the start file cannot play.

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <csignal>

#include "audio/alsachime.h"
#include "audio/alsamixer.h"
#include "fakes.h"
#include "pactl.h"
#include "platform/desktopshell.h"
#include "sessionrig.h"

class WakeUpSoundTest : public QObject {
    Q_OBJECT

    // Records the null sink's monitor for a while and gives the loudness (RMS of
    // 16-bit samples); parec takes a moment to deliver its first samples.
    static double loudness(int milliseconds)
    {
        QProcess parec;
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=somnelle_test.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"), QStringLiteral("--rate=8000"),
                     QStringLiteral("--latency-msec=20")});
        parec.waitForStarted();
        QElapsedTimer waited;
        waited.start();
        while (parec.bytesAvailable() == 0 && waited.elapsed() < 3000)
            parec.waitForReadyRead(100);
        parec.readAllStandardOutput(); // the start of the recording, before we listen
        QTest::qWait(milliseconds);
        parec.terminate();
        parec.waitForFinished();
        const QByteArray data = parec.readAllStandardOutput();
        double sum = 0;
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        const qsizetype count = data.size() / 2;
        for (qsizetype i = 0; i < count; ++i)
            sum += double(samples[i]) * samples[i];
        return count ? std::sqrt(sum / count) : 0;
    }

private slots:
    // Also: the output is on at the wake-up whatever it was before, the readout
    // shows the wake-up percent itself, and a program whose window was closed
    // in the night ends only once the chime is silent.
    void chimeSoundsWhenTheStartFileCannotPlay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("xdgOpenExit");
        QTest::addColumn<bool>("chime");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("mutedBefore");
        QTest::addColumn<bool>("closed");
        QTest::newRow("missing file") << "gone.mid"
                                      << "0" << true << 40 << false << false;
        QTest::newRow("handler fails, window closed") << "europe.mid"
                                                      << "3" << true << 99 << true << true;
        QTest::newRow("missing, muted before") << "gone.mid"
                                               << "0" << true << 10 << true << false;
        QTest::newRow("handler works, window closed") << "europe.mid"
                                                      << "0" << false << 1 << true << true;
    }

    void chimeSoundsWhenTheStartFileCannotPlay()
    {
        QFETCH(QString, file);
        QFETCH(QString, xdgOpenExit);
        QFETCH(bool, chime);
        QFETCH(int, percent);
        QFETCH(bool, mutedBefore);
        QFETCH(bool, closed);
        qputenv("SOMNELLE_TEST_XDG_OPEN_EXIT", xdgOpenExit.toLatin1());
        Pactl::setSinkVolume(QStringLiteral("50%"));
        Pactl::setSinkMuted(mutedBefore);
        FakePlatform fake;
        AlsaMixer mixer;
        DesktopShell shell;
        AlsaChime alsaChime;
        QSignalSpy started(&alsaChime, &Chime::started), silent(&alsaChime, &Chime::silent);
        SessionRig r(fake.use(mixer).use(shell).use(alsaChime).platform);
        FakeClock &clock = fake.clock;
        r.volume.readAtStart();
        Setup setup = SessionRig::setup(QStringLiteral("1"), EndAction::Alarm, QString::number(percent));
        setup.startFile = file;
        setup.wakeUpTime = clock.now.time().addSecs(60);
        r.session.start(setup);
        clock.advance(60);
        if (closed)
            r.session.endWhenDone();
        QVERIFY(!r.session.isRunning());
        QTRY_COMPARE(started.count(), int(chime));
        // The night's mute and the wake-up's unmute were asked for: once the
        // mixer has done both, the output is on (before the mute lands it is
        // on as well).
        QTRY_VERIFY_WITH_TIMEOUT((mixer.finish(), !Pactl::sinkMuted()), 15000);
        QTest::qWait(300); // the server's word on our own write comes back
        QCOMPARE(r.volume.percent(), quint8(percent));
        if (!chime) {
            QTest::qWait(500);
            QCOMPARE(started.count(), 0);
            QVERIFY(loudness(700) < 50);
            QCOMPARE(r.finishes, int(closed));
            return;
        }
        const double heard = loudness(1500);
        // A muted output or silence is 0; the chime about 200 at 40 %, 3 at 10 %.
        QVERIFY2(heard > 1, qPrintable(QString::number(heard)));
        QCOMPARE(r.finishes, 0);
        QVERIFY(r.status.startsWith(file == QLatin1String("gone.mid") ? QStringLiteral("Start file not found: ")
                                                                      : QStringLiteral("Could not open ")));
        // Start only silences it; a closed window's program ends then.
        QVERIFY(silent.isEmpty());
        r.session.startOrCancel(setup);
        QCOMPARE(silent.count(), 1);
        QVERIFY(!r.session.isRunning());
        QCOMPARE(r.finishes, int(closed));
        QVERIFY(loudness(700) < 50);
    }

    void chimeStopsByItselfAfterItsTime()
    {
        AlsaChime chime("default", 1);
        QSignalSpy started(&chime, &Chime::started), silent(&chime, &Chime::silent);
        chime.start();
        QVERIFY(started.wait());
        QTRY_COMPARE_WITH_TIMEOUT(silent.count(), 1, 5000);
        QVERIFY(loudness(500) < 50);
    }

    // A sound server that stops answering holds nothing up: stop() (a click on the
    // window, Start and Exit) waits for nothing and leaves the chime silent at once,
    // and start(), here on a chime still playing, waits for nothing either.
    void aStoppedSoundServerHoldsNothingUp()
    {
        AlsaChime clicked, restarted;
        QSignalSpy clickedStarted(&clicked, &Chime::started), restartedStarted(&restarted, &Chime::started);
        QSignalSpy silenced(&clicked, &Chime::silent);
        clicked.start();
        restarted.start();
        QTRY_VERIFY(!clickedStarted.isEmpty() && !restartedStarted.isEmpty());
        QTest::qWait(200);
        const Pactl::StoppedServer stopped;
        QVERIFY(stopped.stopped());
        QElapsedTimer elapsed;
        elapsed.start();
        clicked.stop();
        const qint64 stopMs = elapsed.restart();
        QCOMPARE(silenced.count(), 1);
        restarted.start();
        const qint64 startMs = elapsed.elapsed();
        qInfo("with the server stopped: stop() %lld ms, start() %lld ms", stopMs, startMs);
        QVERIFY(stopMs < 50 && startMs < 50);
    }

    void noDeviceIsSaid()
    {
        AlsaChime chime("no-such-device");
        QSignalSpy started(&chime, &Chime::started), unavailable(&chime, &Chime::unavailable),
            silent(&chime, &Chime::silent);
        chime.start();
        QVERIFY(unavailable.wait());
        QVERIFY(started.isEmpty() && silent.isEmpty());
    }
};

QTEST_MAIN(WakeUpSoundTest)
#include "test_wakeup_sound.moc"
