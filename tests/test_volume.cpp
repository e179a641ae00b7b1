// SPDX-License-Identifier: MIT
// Levels, percentages, and the slider, wheel and readout logic.

#include <QtTest>
#include <cmath>

#include "audio/levels.h"
#include "fakes.h"
#include "session/volumecontrol.h"

class VolumeTest : public QObject {
    Q_OBJECT

    // The volume control on a fake mixer, with what it asks the window to show.
    struct Control {
        FakeMixer mixer;
        VolumeControl volume {mixer};
        int slider = 0; // where the window's slider is
        QString readout = QStringLiteral("Volume: ");
        int readouts = 0; // the times the readout was told
        int mixerErrors = 0;
        Control()
        {
            QObject::connect(&volume, &VolumeControl::levelChanged, [this](quint16 level) { slider = level; });
            QObject::connect(&volume, &VolumeControl::percentChanged, [this](quint8 percent) {
                readout = QStringLiteral("Volume: %1 %").arg(percent);
                ++readouts;
            });
            QObject::connect(&volume, &VolumeControl::mixerUnavailable, [this] { ++mixerErrors; });
        }
        // The user moves the window's slider.
        void moveSlider(int level)
        {
            slider = level;
            volume.setLevel(quint16(level));
        }
    };

private slots:
    void conversionsOverTheWholeRange()
    {
        for (quint32 level = 0; level <= 65535; ++level) {
            const quint8 percent = Levels::toPercent(quint16(level));
            QCOMPARE(percent, quint8(100 * level / 65535));
            QCOMPARE(percent, quint8(std::trunc(double(level) / 65535.0 * 100.0)));
        }
        for (quint32 percent = 0; percent <= 100; ++percent) {
            QCOMPARE(Levels::fromPercent(quint8(percent)), quint16(65535 * percent / 100));
            QCOMPARE(Levels::fromPercent(quint8(percent)), quint16(std::trunc(double(percent) / 100.0 * 65535.0)));
        }
        QCOMPARE(Levels::toPercent(65535), quint8(100));
        QCOMPARE(Levels::toPercent(655), quint8(0));
        QCOMPARE(Levels::toPercent(656), quint8(1));
        QCOMPARE(Levels::fromPercent(40), quint16(26214));
        QCOMPARE(Levels::fromPercent(99), quint16(64879));
        // Above 100 % the level stays in range.
        QCOMPARE(Levels::fromPercent(150), quint16(65535));
        QCOMPARE(Levels::fromPercent(255), quint16(65535));
    }

    // A notch or a move of the slider; turning the volume up also turns a muted output on.
    void wheelSteps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("bySlider");
        QTest::newRow("up by a step") << 64535 << true << 65535 << false;
        QTest::newRow("up, clamped") << 64536 << true << 65535 << false;
        QTest::newRow("up at the top") << 65535 << true << 65535 << false;
        QTest::newRow("up from silence") << 0 << true << 1000 << false;
        QTest::newRow("down, clamped") << 999 << false << 0 << false;
        QTest::newRow("down by a step") << 1000 << false << 0 << false;
        QTest::newRow("down at the bottom") << 0 << false << 0 << false;
        QTest::newRow("down from the top") << 65535 << false << 64535 << false;
        QTest::newRow("slider up") << 0 << true << 30000 << true;
        QTest::newRow("slider down") << 30000 << false << 1000 << true;
    }

    void wheelSteps()
    {
        QFETCH(int, from);
        QFETCH(bool, up);
        QFETCH(int, to);
        QFETCH(bool, bySlider);
        Control c;
        c.volume.setFadeLevel(quint16(from));
        c.mixer.level = quint16(from);
        c.mixer.wave = 0; // muted, as a power-off at the end of a fade leaves it
        if (bySlider)
            c.moveSlider(to);
        else
            c.volume.stepByWheel(up);
        QCOMPARE(int(c.volume.level()), to);
        QCOMPARE(int(c.mixer.level), to);
        QCOMPARE(int(c.slider), to);
        QCOMPARE(c.readout, QStringLiteral("Volume: %1 %").arg(Levels::toPercent(quint16(to))));
        QCOMPARE(c.volume.percent(), Levels::toPercent(quint16(to)));
        QCOMPARE(c.mixer.wave, std::optional<quint32>(up ? 0xFFFFFFFFu : 0u));
    }

    void wheelDuringASessionChangesNothing()
    {
        Control c;
        c.volume.setFadeLevel(30000);
        c.volume.setFadeLevel(30001); // the same percent: the readout is not told again
        c.mixer.writes.clear();
        c.volume.setLocked(true);
        c.volume.stepByWheel(true);
        c.volume.stepByWheel(false);
        QCOMPARE(c.volume.level(), quint16(30001));
        QVERIFY(c.mixer.writes.isEmpty());
        QCOMPARE(c.readout, QStringLiteral("Volume: 45 %"));
        QCOMPARE(c.readouts, 1);
    }

    void readAtShow()
    {
        Control c;
        c.mixer.level = 24248; // 37 %
        c.volume.readAtStart();
        QCOMPARE(c.readout, QStringLiteral("Volume: 37 %"));
        QCOMPARE(c.slider, int(24248));
        QCOMPARE(c.volume.level(), quint16(24248));
        // Opening the window writes nothing back.
        QVERIFY(c.mixer.writes.isEmpty());
        QCOMPARE(c.mixerErrors, 0);
    }

    // A notch goes up from the level the mixer has; without change events it
    // waits for the mixer to answer a read, and nothing waits for that answer.
    void followsChangesMadeElsewhereWhileIdle_data()
    {
        QTest::addColumn<bool>("watched");
        QTest::addColumn<bool>("answersLater");
        QTest::newRow("watched") << true << false;
        QTest::newRow("not watched") << false << false;
        QTest::newRow("not watched, a slow mixer") << false << true;
    }

    void followsChangesMadeElsewhereWhileIdle()
    {
        QFETCH(bool, watched);
        QFETCH(bool, answersLater);
        Control c;
        c.mixer.level = 32768;
        c.volume.readAtStart();
        c.mixer.watching = watched;
        c.mixer.answersLater = answersLater;
        c.mixer.setElsewhere(52428); // 80 %, from the panel
        if (watched) {
            QCOMPARE(c.slider, int(52428));
            QCOMPARE(c.readout, QStringLiteral("Volume: 80 %"));
        }
        c.volume.stepByWheel(true);
        if (answersLater) {
            QVERIFY(c.mixer.writes.isEmpty());
            c.mixer.answer();
        }
        QCOMPARE(c.mixer.level, quint16(53428));
        QCOMPARE(c.mixer.writes, QList<quint16>({53428}));

        // During a session the fade keeps control.
        c.volume.setLocked(true);
        c.mixer.setElsewhere(1000);
        c.mixer.answer();
        QCOMPARE(c.volume.level(), quint16(53428));
    }

    void readAtShowOfSilenceMovesNothing()
    {
        Control c;
        c.volume.readAtStart();
        QCOMPARE(c.readout, QStringLiteral("Volume: 0 %"));
        QVERIFY(c.mixer.writes.isEmpty());
        QCOMPARE(c.volume.level(), quint16(0));
    }

    void withoutAMixer_data()
    {
        QTest::addColumn<bool>("noControlOnly");
        QTest::newRow("no mixer") << false;
        QTest::newRow("no volume control") << true;
    }

    void withoutAMixer()
    {
        QFETCH(bool, noControlOnly);
        Control c;
        c.mixer.level = 40000;
        if (noControlOnly)
            c.mixer.hasVolumeControl = false;
        else
            c.mixer.available = false;

        c.volume.readAtStart();
        QCOMPARE(c.mixerErrors, 1);
        QCOMPARE(c.readout, QStringLiteral("Volume: 0 %"));
        QCOMPARE(c.slider, 0);

        // The slider: with no mixer at all the level stays; the readout follows it.
        c.moveSlider(20000);
        QCOMPARE(c.volume.level(), quint16(noControlOnly ? 20000 : 0));
        QCOMPARE(c.readout, QStringLiteral("Volume: %1 %").arg(Levels::toPercent(c.volume.level())));

        // The wheel: the level and readout move, the slider only when the mixer opens.
        c.volume.setFadeLevel(5000);
        c.volume.stepByWheel(true);
        QCOMPARE(c.volume.level(), quint16(6000));
        QCOMPARE(c.slider, noControlOnly ? 6000 : 5000);
        QCOMPARE(c.readout, QStringLiteral("Volume: 9 %"));
        QVERIFY(c.mixer.writes.isEmpty());
    }

    void sliderIsCutOffDuringASession()
    {
        Control c;
        c.volume.setLocked(true);
        c.moveSlider(30000);
        QVERIFY(c.mixer.writes.isEmpty());
        QCOMPARE(c.volume.level(), quint16(0));
        QCOMPARE(c.readout, QStringLiteral("Volume: "));
    }
};

QTEST_GUILESS_MAIN(VolumeTest)
#include "test_volume.moc"
