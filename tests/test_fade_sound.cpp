// SPDX-License-Identifier: MIT
// A short fade on the tests' private PulseAudio server, read back with pactl;
// and the real clock's seconds.

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QSlider>
#include <QtTest>

#include "app/somnelle.h"
#include "audio/alsamixer.h"
#include "fakes.h"
#include "form.h"
#include "pactl.h"
#include "platform/systemclock.h"
#include "ui/mainwindow.h"

class FadeSoundTest : public QObject {
    Q_OBJECT

    static int sinkUnits(quint16 level) { return qRound(level * 65536.0 / 65535.0); }

    // The program on the real mixer, with the fade's seconds driven by the test.
    struct Rig : FakePlatform {
        PulseSink sink;
        AlsaMixer mixer {"default", &sink};
        MainWindow window;
        Somnelle app {use(mixer).platform, window};
        Form f {window};

        explicit Rig(const QString &minutes = QStringLiteral("1"))
        {
            Pactl::setSinkVolume(QStringLiteral("50%"));
            Pactl::setSinkMuted(false);
            Q_EMIT window.opening();
            f.shutdownChoice->click();
            QTest::keyClicks(f.minutesEdit, minutes);
        }
        // The level as the window's slider shows it.
        quint16 level() const { return quint16(f.volumeSlider->value()); }
        void click() { QTest::mouseClick(f.startCancelButton, Qt::LeftButton); }
        // Seconds of the fade, with the event loop running between them as it does between real ones.
        void secondsPass(int seconds)
        {
            for (int second = 0; second < seconds; ++second) {
                clock.advance(1);
                QTest::qWait(50);
            }
        }
        // The readout and the title say the slider's level, in whole percents rounded down.
        bool windowShowsTheLevel()
        {
            const int percent = level() * 100 / 65535;
            return f.volumeReadout->text() == QStringLiteral("Volume: %1 %").arg(percent)
                && window.windowTitle() == QStringLiteral("%1 % - Somnelle ").arg(percent);
        }
    };

    // Descriptors and threads of this process: a connection left open shows in both.
    static QPair<int, long> openHandles()
    {
        return {int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot).size()), ProcThreads()};
    }

    static long ProcThreads()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Threads:"))
                return line.mid(8).trimmed().toLong();
        return -1;
    }

private slots:
    // The fade's writes go out from the event loop: the sink is read back once they land.
    void ticksWriteToTheSink()
    {
        Rig r;
        QTRY_VERIFY(r.level() > 32000 && r.level() < 33000);
        const quint16 start = r.level();
        r.click();
        const quint16 step = quint16(start / 60 + 1);
        r.clock.advance(1);
        QTRY_COMPARE(Pactl::sinkVolume(), sinkUnits(quint16(start - step)));
        r.clock.advance(29);
        QTRY_COMPARE(Pactl::sinkVolume(), sinkUnits(quint16(start - 30 * step)));
        QVERIFY(!Pactl::sinkMuted());
        r.clock.advance(30);
        QTRY_COMPARE(Pactl::sinkVolume(), 0);
        // The end of the fade mutes the wave output, which on a sound server is the sink.
        QVERIFY(Pactl::sinkMuted());
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }

    void fadeHasOneConnectionReleasedOnCancelAndAtTheEnd()
    {
        const QStringList watch {QStringLiteral("ALSA plug-in [test_fade_sound]")};
        const QStringList direct {QStringLiteral("Somnelle")};
        for (const bool cancel : {true, false}) {
            Rig r;
            // Looked at once each time: a read of the level has a connection of the same name for a moment.
            const auto onlyTheWatch = [&] { return r.mixer.isWatching() && Pactl::ourClients() == watch; };
            QVERIFY(QTest::qWaitFor(onlyTheWatch, 10000));
            // The fewest seen over a second: a read of the level adds a connection and its thread while it lasts.
            QPair<int, long> before = openHandles();
            for (int look = 0; look < 50; ++look) {
                QTest::qWait(20);
                const QPair<int, long> now = openHandles();
                before = {qMin(before.first, now.first), qMin(before.second, now.second)};
            }
            r.click();
            r.secondsPass(3);
            // The program's own connection to the server, and nothing else: the
            // plug-in, which costs five round trips a write, and the watch rest.
            QTRY_COMPARE(Pactl::ourClients(), direct);
            QTRY_COMPARE(Pactl::sinkVolume(), sinkUnits(r.level()));
            if (cancel)
                r.click();
            else
                r.clock.advance(57);
            QCOMPARE(r.app.status(), QStringLiteral("idle"));
            // Some 50 ms; seconds on a machine busy with other tests, when the mixer's worker is slow to answer.
            // Once back is enough: a descriptor may be open for a moment afterwards (a read of the level).
            QPair<int, long> after;
            QVERIFY2(QTest::qWaitFor([&] { return (after = openHandles()) == before; }, 20000),
                     qPrintable(QStringLiteral("%1 descriptors and %2 threads, against %3 and %4 before")
                                    .arg(after.first)
                                    .arg(after.second)
                                    .arg(before.first)
                                    .arg(before.second)));
            QVERIFY(QTest::qWaitFor(onlyTheWatch, 10000));
        }
    }

    void fadeGoesOnThroughASoundServerRestart()
    {
        Rig r;
        r.click();
        r.secondsPass(5);
        QTRY_COMPARE(Pactl::sinkVolume(), sinkUnits(r.level()));
        QVERIFY(Pactl::controlServer("stop"));
        // While the server is away the window goes on.
        r.secondsPass(3);
        QVERIFY(r.windowShowsTheLevel());
        QVERIFY(Pactl::controlServer("start"));
        r.secondsPass(2);
        QTRY_COMPARE(Pactl::sinkVolume(), sinkUnits(r.level()));
        QVERIFY(r.windowShowsTheLevel());
        // and goes on through the program's own connection again.
        r.secondsPass(1);
        QTRY_COMPARE(Pactl::ourClients(), QStringList {QStringLiteral("Somnelle")});
        r.secondsPass(49);
        QTRY_COMPARE(Pactl::sinkVolume(), 0);
        QVERIFY(Pactl::sinkMuted());
    }

    void titleOnTheDisplayIsTheCaption()
    {
        Rig r(QStringLiteral("30"));
        r.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.window));
        const auto shownTitle = [&r] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"),
                        {QStringLiteral("-id"), QString::number(r.window.winId()), QStringLiteral("_NET_WM_NAME"),
                         QStringLiteral("WM_NAME")});
            xprop.waitForFinished(5000);
            return QString::fromUtf8(xprop.readAllStandardOutput());
        };
        const auto holds = [](const QString &shown, const QString &caption) {
            return shown.contains(QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"%1\"").arg(caption))
                && shown.contains(QStringLiteral("WM_NAME(STRING) = \"%1\"").arg(caption));
        };
        QTRY_VERIFY2(holds(shownTitle(), MainWindow::restCaption()), qPrintable(shownTitle()));
        QTRY_COMPARE(r.level(), quint16(32768)); // the sink's 50 %, read
        r.click();
        // From 50 % over 30 minutes, a step of 19 a second: 30868 after 100 seconds.
        r.clock.advance(100);
        QTRY_VERIFY2(holds(shownTitle(), QStringLiteral("47 % - Somnelle ")), qPrintable(shownTitle()));
    }

    void realSecondsArriveAndStop()
    {
        SystemClock clock;
        QElapsedTimer elapsed;
        QList<qint64> at;
        elapsed.start();
        connect(&clock, &Clock::second, [&] { at << elapsed.elapsed(); });
        clock.startSeconds();
        // The event loop is held up past two seconds: both count as soon as it runs again.
        QThread::msleep(2500);
        QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 10000);
        clock.stopSeconds();
        const int count = int(at.size());
        QTest::qWait(1500);
        QCOMPARE(at.size(), count);
        QVERIFY(at[0] >= 2500 && at[1] - at[0] < 500);
        // The next one keeps to its whole second from the start, never early.
        QVERIFY(at[2] >= 3000);
    }
};

QTEST_MAIN(FadeSoundTest)
#include "test_fade_sound.moc"
