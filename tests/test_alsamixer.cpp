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

    // The mixer's answer about the level to a request: the level, or what lacks.
    template <typename Request>
    static QVariant answer(Mixer &mixer, Request request)
    {
        QSignalSpy levels(&mixer, &Mixer::levelRead), lacks(&mixer, &Mixer::unavailable);
        request();
        if (!QTest::qWaitFor([&] { return !levels.isEmpty() || !lacks.isEmpty(); }, 5000))
            return QStringLiteral("none");
        return levels.isEmpty() ? lacks.first().first() : levels.first().first();
    }
    static QVariant level(int value) { return QVariant::fromValue(quint16(value)); }
    static bool isLevel(const QVariant &answer) { return answer.metaType() == QMetaType::fromType<quint16>(); }
    static QVariant lack(Mixer::Lack what) { return QVariant::fromValue(what); }

    // The volume that muting the wave output answers it had.
    static QVariant mutedFrom(Mixer &mixer)
    {
        QSignalSpy outputs(&mixer, &Mixer::outputRead);
        mixer.setOutputMuted(true);
        return outputs.wait(5000) ? outputs.first().first() : QVariant();
    }

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
        const QVariant read = answer(mixer, [&] { mixer.refresh(); });
        QVERIFY(isLevel(read));
        QCOMPARE(Levels::toPercent(read.value<quint16>()), quint8(37));
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
        QCOMPARE(answer(mixer, [&] { mixer.setLevel(quint16(level)); }), AlsaMixerTest::level(level));
        // The sink's range is 0..65536: the level maps on it rounded, and reads back the same.
        QCOMPARE(Pactl::sinkVolume(), qRound(level * 65536.0 / 65535.0));
        QCOMPARE(answer(mixer, [&] { mixer.refresh(); }), AlsaMixerTest::level(level));
    }

    // An old level never follows a newer one: a read that writes overtook
    // answers nothing, and of the writes the last one answers.
    void anOvertakenAnswerIsLeftOut_data()
    {
        QTest::addColumn<bool>("readMade"); // before the writes, with its answer on the way
        QTest::newRow("read not made yet") << false;
        QTest::newRow("read made") << true;
    }

    void anOvertakenAnswerIsLeftOut()
    {
        QFETCH(bool, readMade);
        AlsaMixer mixer;
        QSignalSpy levels(&mixer, &Mixer::levelRead);
        mixer.refresh();
        if (readMade)
            QThread::msleep(300); // no event loop meanwhile: the answer waits for it
        mixer.setLevel(1000);
        mixer.setLevel(2000);
        // Answered in turn: an old level would come first.
        QVERIFY(levels.wait());
        QCOMPARE(levels.first().first(), level(2000));
    }

    void waveOutputMutesAndUnmutes()
    {
        AlsaMixer mixer;
        QCOMPARE(mutedFrom(mixer), QVariant(Mixer::OutputOn));
        QVERIFY(Pactl::sinkMuted());
        QCOMPARE(mutedFrom(mixer), QVariant(0u));
        mixer.setOutput(Mixer::OutputOn);
        QTRY_VERIFY(!Pactl::sinkMuted());
        // Unmuting turns a muted output on, and leaves one that sounds. The
        // requests run in turn: a mute after them finds the output on (the
        // sink itself reads unmuted before the first of them lands, too).
        mixer.setOutput(0);
        mixer.setOutputMuted(false);
        QCOMPARE(mutedFrom(mixer), QVariant(Mixer::OutputOn));
        mixer.setOutputMuted(false);
        QTRY_VERIFY(!Pactl::sinkMuted());
        mixer.setOutputMuted(false);
        QCOMPARE(mutedFrom(mixer), QVariant(Mixer::OutputOn));
        // Muting leaves the volume alone.
        QCOMPARE(Pactl::sinkVolume(), 65536);
        // At a logout the end meets a server slow to answer: it waits, and gives the sound back.
        QElapsedTimer elapsed;
        {
            const Pactl::StoppedServer slow(500);
            elapsed.start();
            mixer.setOutput(Mixer::OutputOn);
            mixer.finish();
        }
        QVERIFY2(elapsed.elapsed() >= 400, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(!Pactl::sinkMuted());
    }

    // A fade's own connection to the server carries the wave output too: the
    // plug-in's connection would only add wake-ups at the fade's end.
    void aFadesConnectionCarriesTheWaveOutput()
    {
        Pactl::setSinkMuted(true);
        PulseSink sink;
        AlsaMixer mixer("default", &sink);
        // Which also tells that "default" is a sound server.
        QVERIFY(isLevel(answer(mixer, [&] { mixer.refresh(); })));
        mixer.keepOpen(true);
        const QStringList direct {QStringLiteral("Somnelle")};
        // The plug-in does the work until the program's own connection is ready.
        const auto setThroughOwnConnection = [&] {
            mixer.setLevel(1000);
            return Pactl::ourClients() == direct;
        };
        QTRY_VERIFY(setThroughOwnConnection());
        QCOMPARE(mutedFrom(mixer), QVariant(0u));
        mixer.setOutput(Mixer::OutputOn);
        QTRY_VERIFY(!Pactl::sinkMuted());
        QCOMPARE(mutedFrom(mixer), QVariant(Mixer::OutputOn));
        QTRY_VERIFY(Pactl::sinkMuted());
        mixer.setOutputMuted(false);
        QTRY_VERIFY(!Pactl::sinkMuted());
        QCOMPARE(Pactl::ourClients(), direct);
        QCOMPARE(Pactl::sinkVolume(), qRound(1000 * 65536.0 / 65535.0));
        // At the program's end the event loop turns no more: the end sends what was asked.
        mixer.setOutputMuted(true);
        mixer.finish();
        QVERIFY(Pactl::sinkMuted());
    }

    void failsQuicklyWithoutAServer()
    {
        AlsaMixer mixer;
        QCOMPARE(answer(mixer, [&] { mixer.setLevel(1000); }), level(1000));
        // The server goes away between two operations.
        qputenv("PULSE_SERVER", "unix:/nonexistent/somnelle/native");
        QElapsedTimer timer;
        timer.start();
        QSignalSpy outputs(&mixer, &Mixer::outputRead);
        QCOMPARE(answer(mixer, [&] { mixer.refresh(); }), lack(Mixer::Lack::NoMixer));
        QCOMPARE(answer(mixer, [&] { mixer.setLevel(2000); }), lack(Mixer::Lack::NoMixer));
        mixer.setOutputMuted(true);
        mixer.setOutput(0);
        // Answered in turn, after the output's requests: neither could read it.
        QCOMPARE(answer(mixer, [&] { mixer.refresh(); }), lack(Mixer::Lack::NoMixer));
        QVERIFY(outputs.isEmpty());
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        // And comes back.
        qputenv("PULSE_SERVER", server_);
        QVERIFY(isLevel(answer(mixer, [&] { mixer.refresh(); })));
        QVERIFY(!Pactl::sinkMuted());
    }

    // A sound server that stops answering holds no call up, and the level set
    // last is the sink's once it answers again.
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
        QVERIFY(isLevel(answer(mixer, [&] { mixer.refresh(); })));
        mixer.keepOpen(fading);
        const auto setThroughOwnConnection = [&] {
            mixer.setLevel(1000);
            return Pactl::ourClients() == QStringList {QStringLiteral("Somnelle")};
        };
        QTRY_VERIFY(!fading || setThroughOwnConnection());
        std::optional<Pactl::StoppedServer> stopped(std::in_place);
        QVERIFY(stopped->stopped());
        QElapsedTimer elapsed;
        qint64 longest = 0;
        for (const std::function<void()> &call : std::vector<std::function<void()>> {
                 [&] { mixer.setLevel(2000); }, [&] { mixer.keepOpen(true); }, [&] { mixer.setLevel(3000); },
                 [&] { mixer.refresh(); }, [&] { mixer.setOutputMuted(false); },
                 [&] { mixer.setOutput(Mixer::OutputOn); }, [&] { mixer.keepOpen(false); },
                 [&] { mixer.setLevel(4000); }, [&] { mixer.setLevel(5000); }}) {
            elapsed.start();
            call();
            longest = qMax(longest, elapsed.elapsed());
        }
        // A call held by the stopped server would wait for seconds.
        QVERIFY2(longest < 1000, qPrintable(QString::number(longest)));
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
        Mixer::Lack lack = Mixer::Lack::NoVolumeControl;
        QVERIFY(MixerElements::writeMaster(control, 1000, &lack));
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
        AudioWorker worker(std::chrono::milliseconds(100));
        MixerWatch watch("default", worker);
        QSignalSpy changed(&watch, &MixerWatch::changed);
        QSignalSpy disconnected(&watch, &MixerWatch::disconnected);
        watch.start();
        // Open, it says the level may have changed meanwhile.
        QTRY_VERIFY(watch.isOpen());
        QCOMPARE(changed.count(), 1);
        changed.clear();
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
        QCOMPARE(answer(mixer, [&] { mixer.setLevel(1000); }), lack(Mixer::Lack::NoMixer));
        QCOMPARE(answer(mixer, [&] { mixer.refresh(); }), lack(Mixer::Lack::NoMixer));
    }
};

QTEST_GUILESS_MAIN(AlsaMixerTest)
#include "test_alsamixer.moc"
