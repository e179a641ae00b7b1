// SPDX-License-Identifier: MIT
// The ALSA mixer against the tests' private PulseAudio server.

#include <QElapsedTimer>
#include <QtTest>
#include <csignal>

#include "audio/alsacontrol.h"
#include "audio/alsamixer.h"
#include "audio/audioworker.h"
#include "audio/mixerwatch.h"
#include "audio/levels.h"
#include "pactl.h"

class AlsaMixerTest : public QObject {
    Q_OBJECT

    QByteArray server_ = qgetenv("PULSE_SERVER");

private slots:
    void init()
    {
        qputenv("PULSE_SERVER", server_);
        Pactl::setSinkVolume(QStringLiteral("100%"));
        Pactl::setSinkMuted(false);
    }

    void readsTheSinkVolume()
    {
        Pactl::setSinkVolume(QStringLiteral("37%"));
        AlsaMixer mixer;
        const std::optional<quint16> level = mixer.readMasterLevel();
        QVERIFY(level.has_value());
        QCOMPARE(Levels::toPercent(*level), quint8(37));
    }

    void setsTheSinkVolume_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("silent") << 0;
        QTest::newRow("a step") << 1000;
        QTest::newRow("half") << 32768;
        QTest::newRow("full") << 65535;
    }

    void setsTheSinkVolume()
    {
        QFETCH(int, level);
        AlsaMixer mixer;
        QCOMPARE(mixer.setMasterLevel(quint16(level)), Mixer::Access::Done);
        // The sink's range is 0..65536: the level maps on it rounded, and reads back the same.
        QCOMPARE(Pactl::sinkVolume(), qRound(level * 65536.0 / 65535.0));
        QCOMPARE(mixer.readMasterLevel(), std::optional<quint16>(quint16(level)));
    }

    void waveOutputMutesAndUnmutes()
    {
        AlsaMixer mixer;
        QCOMPARE(mixer.readWaveVolume(), std::optional<quint32>(0xFFFFFFFFu));
        mixer.writeWaveVolume(0);
        QVERIFY(Pactl::sinkMuted());
        QCOMPARE(mixer.readWaveVolume(), std::optional<quint32>(0u));
        mixer.writeWaveVolume(0xFFFFFFFFu);
        QVERIFY(!Pactl::sinkMuted());
        // Muting leaves the volume alone.
        QCOMPARE(Pactl::sinkVolume(), 65536);
    }

    // A fade's own connection to the server carries the wave output too: the
    // plug-in's connection would only add wake-ups at the fade's end.
    void aFadesConnectionCarriesTheWaveOutput()
    {
        Pactl::setSinkMuted(true);
        PulseSink sink;
        AlsaMixer mixer("default", &sink);
        QVERIFY(mixer.readMasterLevel().has_value()); // which also tells that "default" is a sound server
        mixer.keepOpen(true);
        const QStringList direct {QStringLiteral("Somnelle")};
        // The plug-in does the work until the program's own connection is ready.
        QTRY_VERIFY(mixer.setMasterLevel(1000) == Mixer::Access::Done && Pactl::ourClients() == direct);
        QCOMPARE(mixer.readWaveVolume(), std::optional<quint32>(0u));
        mixer.writeWaveVolume(0xFFFFFFFFu);
        QCOMPARE(mixer.readWaveVolume(), std::optional<quint32>(0xFFFFFFFFu));
        QTRY_VERIFY(!Pactl::sinkMuted());
        mixer.writeWaveVolume(0);
        QTRY_VERIFY(Pactl::sinkMuted());
        QCOMPARE(Pactl::ourClients(), direct);
        QCOMPARE(Pactl::sinkVolume(), qRound(1000 * 65536.0 / 65535.0));
    }

    void failsQuicklyWithoutAServer()
    {
        AlsaMixer mixer;
        QCOMPARE(mixer.setMasterLevel(1000), Mixer::Access::Done);
        // The server goes away between two operations.
        qputenv("PULSE_SERVER", "unix:/nonexistent/somnelle/native");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(mixer.readMasterLevel(), std::nullopt);
        QCOMPARE(mixer.setMasterLevel(2000), Mixer::Access::NoMixer);
        QCOMPARE(mixer.readWaveVolume(), std::nullopt);
        mixer.writeWaveVolume(0);
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        // And comes back.
        qputenv("PULSE_SERVER", server_);
        QVERIFY(mixer.readMasterLevel().has_value());
        QVERIFY(!Pactl::sinkMuted());
    }

    // A sound server that stops answering holds no call up for long, and the
    // level set last is the sink's once it answers again.
    void aStoppedServerHoldsNoCallUp_data()
    {
        QTest::addColumn<bool>("fading"); // the fade's own connection was ready before the stop
        QTest::newRow("idle") << false;
        QTest::newRow("fading") << true;
    }

    void aStoppedServerHoldsNoCallUp()
    {
        QFETCH(bool, fading);
        PulseSink sink;
        AlsaMixer mixer("default", &sink);
        QVERIFY(mixer.readMasterLevel().has_value());
        mixer.keepOpen(fading);
        QTRY_VERIFY(!fading
                    || (mixer.setMasterLevel(1000) == Mixer::Access::Done
                        && Pactl::ourClients() == QStringList {QStringLiteral("Somnelle")}));
        std::optional<Pactl::StoppedServer> stopped(std::in_place);
        QVERIFY(stopped->stopped());
        QElapsedTimer elapsed;
        qint64 longest = 0;
        for (const std::function<void()> &call : std::vector<std::function<void()>> {
                 [&] { mixer.setMasterLevel(2000); }, [&] { mixer.keepOpen(true); },
                 [&] { mixer.setMasterLevel(3000); }, [&] { mixer.readMasterLevel(); },
                 [&] { mixer.writeWaveVolume(0xFFFFFFFFu); }, [&] { mixer.keepOpen(false); },
                 [&] { mixer.setMasterLevel(4000); }, [&] { mixer.setMasterLevel(5000); }}) {
            elapsed.start();
            call();
            longest = qMax(longest, elapsed.elapsed());
        }
        QVERIFY2(longest < 200, qPrintable(QString::number(longest)));
        stopped.reset(); // the server answers again
        QTRY_COMPARE(Pactl::sinkVolume(), qRound(5000 * 65536.0 / 65535.0));
    }

    // The control on its own: what one connection writes, another's events tell.
    void aControlsWriteIsAnotherControlsEvent()
    {
        AlsaControl events("default", AlsaControl::Use::Events);
        QVERIFY(!events.watchEvents().empty());
        AlsaControl control("default");
        QVERIFY(control.isSoundServer());
        QCOMPARE(MixerElements::writeMaster(control, 1000), Mixer::Access::Done);
        QCOMPARE(Pactl::sinkVolume(), qRound(1000 * 65536.0 / 65535.0));
        // Read once a try: a read takes the events it tells of.
        QVERIFY(QTest::qWaitFor(
            [&] { return events.readEvents(MixerElements::MasterVolume) == AlsaControl::Events::ElementChanged; }));
        QCOMPARE(events.readEvents(MixerElements::MasterVolume), AlsaControl::Events::None);
    }

    // A change made elsewhere is told; the watch breaks when the server goes
    // away, and opens again by itself once it is back.
    void theWatchFollowsTheServerThroughARestart()
    {
        AudioWorker worker(std::chrono::milliseconds(100), std::chrono::milliseconds(100));
        MixerWatch watch("default", worker);
        QSignalSpy changed(&watch, &MixerWatch::changed);
        QSignalSpy disconnected(&watch, &MixerWatch::disconnected);
        watch.start();
        QVERIFY(watch.isOpen());
        Pactl::setSinkVolume(QStringLiteral("20%"));
        QTRY_VERIFY(!changed.isEmpty());
        QVERIFY(Pactl::controlServer("stop"));
        QTRY_VERIFY(!disconnected.isEmpty());
        QVERIFY(!watch.isOpen());
        QVERIFY(Pactl::controlServer("start"));
        // Looked for again after one second, then three, then seven.
        QTRY_VERIFY_WITH_TIMEOUT(watch.isOpen(), 10000);
    }

    void unknownDeviceIsNoMixer()
    {
        AlsaMixer mixer("no-such-device");
        QCOMPARE(mixer.setMasterLevel(1000), Mixer::Access::NoMixer);
        QCOMPARE(mixer.readMasterLevel(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(AlsaMixerTest)
#include "test_alsamixer.moc"
