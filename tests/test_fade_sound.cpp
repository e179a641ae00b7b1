// A short fade on the tests' private PulseAudio server, read back with pactl;
// and the real clock's seconds.

#include <QElapsedTimer>
#include <QtTest>

#include "app/somnelle.h"
#include "audio/alsamixer.h"
#include "fakes.h"
#include "pactl.h"
#include "session/systemclock.h"
#include "ui/tform1.h"

class FadeSoundTest : public QObject {
    Q_OBJECT

    static int sinkUnits(quint16 level) { return qRound(level * 65536.0 / 65535.0); }

private slots:
    void ticksWriteToTheSink()
    {
        Pactl::setSinkVolume(QStringLiteral("50%"));
        Pactl::setSinkMuted(false);
        SessionState state;
        MemorySettingsStore settings;
        AlsaMixer mixer;
        RecordingShell shell;
        FakePower power;
        FakeAwakeLock awake;
        FakeClock clock;
        Platform platform {settings, mixer, shell, power, awake, clock, [] {}, [] {}};
        Somnelle app(state, platform);
        app.readMasterVolume();
        const quint16 start = state.CurrentLevel;
        QVERIFY(start > 32000 && start < 33000);

        app.form().setChoiceChecked(SetupView::Shutdown, true);
        app.form().setMinutesText(QStringLiteral("1"));
        app.startCancelClicked();
        const quint16 step = quint16(start / 60 + 1);
        clock.advance(1);
        QCOMPARE(Pactl::sinkVolume(), sinkUnits(quint16(start - step)));
        clock.advance(29);
        QCOMPARE(Pactl::sinkVolume(), sinkUnits(quint16(start - 30 * step)));
        QVERIFY(!Pactl::sinkMuted());
        clock.advance(30);
        QCOMPARE(Pactl::sinkVolume(), 0);
        // The end of the fade mutes the wave output, which on a sound server is the sink.
        QVERIFY(Pactl::sinkMuted());
        QCOMPARE(power.calls.last(), QStringLiteral("powerOff"));
    }

    void realSecondsArriveAndStop()
    {
        SystemClock clock;
        QElapsedTimer elapsed;
        QList<qint64> at;
        elapsed.start();
        clock.startSeconds([&] { at << elapsed.elapsed(); });
        QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 2, 10000);
        clock.stopSeconds();
        const int count = int(at.size());
        QTest::qWait(1500);
        QCOMPARE(at.size(), count);
        // Each second is aimed at its own deadline from the start, never early.
        QVERIFY(at[0] >= 1000);
        QVERIFY(at[1] >= 2000);
    }
};

QTEST_MAIN(FadeSoundTest)
#include "test_fade_sound.moc"
