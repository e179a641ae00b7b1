// SPDX-License-Identifier: MIT
// The fade on a driven clock, from Start to its end: a 30-minute fade takes milliseconds.

#include <QtTest>

#include "session/fade.h"
#include "session/sessiontext.h"
#include "sessionrig.h"

class FadeTest : public QObject {
    Q_OBJECT

    using Phase = SessionView::Phase;
    using Rig = NightRig;

private slots:
    // The fade's levels: from Start a whole step a second, rounded up; after
    // an extension evenly, rounded down, from the level reached to 0 at the
    // new end, also at a low level (a whole step would end the sound long before).
    // Even in decibels: -30 dB at half the fade, -54 dB at 90 % (the steps'
    // -18 dB and -62 dB), then 0.
    void fadeLevels_data()
    {
        QTest::addColumn<bool>("decibels");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("extendedAt"); // the ticks done when 99 minutes more came; -1: never
        QTest::addColumn<int>("tick");
        QTest::addColumn<int>("level");
        QTest::newRow("a step of 37") << false << 65535 << 30 << -1 << 0 << 65498;
        QTest::newRow("a step short of the end") << false << 65535 << 30 << -1 << 1770 << 8;
        QTest::newRow("0 at the last steps") << false << 65535 << 30 << -1 << 1771 << 0;
        QTest::newRow("extended at 10 %: half at half") << false << 6553 << 60 << 0 << 4769 << 3276;
        QTest::newRow("extended at 10 %: sound in the last minute") << false << 6553 << 60 << 0 << 9479 << 41;
        QTest::newRow("extended mid-fade, from the level reached") << false << 60000 << 1 << 30 << 30 << 29964;
        QTest::newRow("steps: -18 dB at half") << false << 65535 << 10 << -1 << 299 << 32535;
        QTest::newRow("steps: -62 dB at 90 %") << false << 65535 << 10 << -1 << 539 << 6135;
        QTest::newRow("decibels: -30 dB at half") << true << 65535 << 10 << -1 << 299 << 20723;
        QTest::newRow("decibels: -54 dB at 90 %") << true << 65535 << 10 << -1 << 539 << 8250;
        QTest::newRow("decibels: near -60 dB a second before the end") << true << 65535 << 10 << -1 << 598 << 6578;
        QTest::newRow("decibels: 0 at the end") << true << 65535 << 10 << -1 << 599 << 0;
        QTest::newRow("decibels: from below -60 dB, even steps") << true << 3000 << 10 << -1 << 299 << 1500;
        QTest::newRow("decibels, extended: from the level reached") << true << 65535 << 1 << 30 << 30 << 20719;
    }

    void fadeLevels()
    {
        QFETCH(bool, decibels);
        QFETCH(int, start);
        QFETCH(int, minutes);
        QFETCH(int, extendedAt);
        QFETCH(int, tick);
        QFETCH(int, level);
        Fade fade(quint16(start), quint32(minutes) * 60, decibels ? Fade::Curve::EvenDecibels : Fade::Curve::EvenSteps);
        if (extendedAt >= 0)
            fade.extend(99, quint32(extendedAt));
        QCOMPARE(int(fade.levelAt(quint32(tick))), level);
    }

    // Also when Start comes before the mixer has told its level, as a command
    // line at start-up may: the fade goes down from the level it tells.
    void thirtyMinutesFromFull_data()
    {
        QTest::addColumn<bool>("toldAfterStart");
        QTest::newRow("level known") << false;
        QTest::newRow("level told after Start") << true;
    }

    void thirtyMinutesFromFull()
    {
        QFETCH(bool, toldAfterStart);
        Rig r(65535, toldAfterStart);
        r.setUp(QStringLiteral("30"), EndAction::PowerOff);
        r.click();
        r.mixer.answer();
        QCOMPARE(r.volume.level(), quint16(65535));
        r.clock.advance(1);
        QCOMPARE(r.volume.level(), quint16(65535 - 37)); // a step of 65535 / 1800 + 1
        QVERIFY(!r.idle());

        QCOMPARE(r.clock.advance(1770), 1770);
        QCOMPARE(r.volume.level(), quint16(8));
        QCOMPARE(r.mixer.level, quint16(8));
        r.clock.advance(1);
        QCOMPARE(r.volume.level(), quint16(0));

        // 28 more seconds at 0, the end action only after the last.
        r.mixer.writes.clear();
        QCOMPARE(r.clock.advance(27), 27);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
        QCOMPARE(r.clock.advance(100), 1);
        QCOMPARE(r.mixer.writes, QList<quint16>(28, 0));
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff", "powerOff"}));
        // The wave output was muted before the end action, and stays so.
        QCOMPARE(r.mixer.waveWrites, QList<quint32>({0}));
        QVERIFY(r.idle());
    }

    void oneMinuteFromFull()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("1"), EndAction::Suspend);
        r.click();
        r.clock.advance(59);
        QCOMPARE(r.volume.level(), quint16(65535 - 59 * 1093));
        QVERIFY(r.volume.level() > 0);
        QCOMPARE(r.power.calls, QStringList({"privilege:suspend"}));
        r.clock.advance(1);
        QCOMPARE(r.volume.level(), quint16(0));
        // Suspend, then the program ends, with the output on again at 0 after the resume.
        QCOMPARE(r.power.calls, QStringList({"privilege:suspend", "suspend"}));
        QCOMPARE(r.s.finishes, 1);
        QCOMPARE(r.mixer.waveWrites, QList<quint32>({0, 0xFFFFFFFFu}));
        QCOMPARE(r.mixer.level, quint16(0));
    }

    void silenceAtTheStart()
    {
        Rig r(0);
        r.setUp(QStringLiteral("2"), EndAction::PowerOff);
        r.click();
        QCOMPARE(r.clock.advance(1000), 120);
        QCOMPARE(r.mixer.writes, QList<quint16>(120, 0));
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }

    void captionAndTitleFollowTheFade()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("30"), EndAction::PowerOff);
        r.click();
        // 37 % is first reached when the level falls below 24903.
        while (r.volume.percent() != 37 && r.clock.ticking())
            r.clock.advance(1);
        QCOMPARE(r.s.title, QStringLiteral("37 % - Somnelle "));
        r.clock.advance(1800);
        QVERIFY(r.idle());
    }

    void minutesField_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("seconds"); // 0: refused
        QTest::newRow("01") << "01" << 60;
        QTest::newRow("99") << "99" << 5940;
        QTest::newRow("stored 120") << "120" << 7200;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("00") << "00" << 0;
        QTest::newRow("stored -5") << "-5" << 0;
        QTest::newRow("stored +5") << "+5" << 0;
        QTest::newRow("stored 256") << "256" << 0;
        QTest::newRow("stored text") << "ab" << 0;
    }

    void minutesField()
    {
        QFETCH(QString, minutes);
        QFETCH(int, seconds);
        Rig r(30000);
        r.setUp(minutes, EndAction::PowerOff);
        const StartAnswer answer = r.click();
        if (seconds == 0) {
            QCOMPARE(r.s.status, QStringLiteral("Set timer"));
            QCOMPARE(answer.missing, QList<SetupField>({SetupField::Minutes}));
            // Nothing was switched or saved.
            QVERIFY(r.idle());
            QCOMPARE(r.settings.writes, 0);
            QVERIFY(!r.clock.ticking());
            return;
        }
        QCOMPARE(r.clock.advance(10000), seconds);
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }

    void wakeUpVolumeField_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<bool>("starts");
        QTest::newRow("shutdown, empty") << int(EndAction::PowerOff) << "" << true;
        QTest::newRow("suspend, empty") << int(EndAction::Suspend) << "" << true;
        QTest::newRow("alarm, empty") << int(EndAction::Alarm) << "" << false;
        QTest::newRow("alarm, 0") << int(EndAction::Alarm) << "0" << false;
        QTest::newRow("alarm, 40") << int(EndAction::Alarm) << "40" << true;
        QTest::newRow("alarm, stored 100") << int(EndAction::Alarm) << "100" << true;
        QTest::newRow("alarm, stored 150") << int(EndAction::Alarm) << "150" << false;
        QTest::newRow("alarm, stored -5") << int(EndAction::Alarm) << "-5" << false;
    }

    void wakeUpVolumeField()
    {
        QFETCH(int, choice);
        QFETCH(QString, volume);
        QFETCH(bool, starts);
        Rig r(30000);
        r.setUp(QStringLiteral("5"), EndAction(choice), volume);
        const StartAnswer answer = r.click();
        QCOMPARE(r.clock.ticking(), starts);
        QCOMPARE(r.settings.writes, starts ? 1 : 0);
        if (!starts) {
            QCOMPARE(r.s.status, QStringLiteral("Set volume"));
            QCOMPARE(answer.missing, QList<SetupField>({SetupField::WakeUpPercent}));
            QVERIFY(r.idle());
        }
    }

    void bothFieldsUnsetEndsWithSetVolume()
    {
        Rig r(30000);
        r.setUp(QString(), EndAction::Alarm);
        const StartAnswer answer = r.click();
        QCOMPARE(r.s.status, QStringLiteral("Set volume"));
        QCOMPARE(answer.missing, QList<SetupField>({SetupField::Minutes, SetupField::WakeUpPercent}));
        QCOMPARE(SessionText::startRefusal(answer), QStringLiteral("Set timer"));
        // Said again, the same words are news again (the window may have cleared them).
        const quint64 first = r.s.view.notice.serial;
        r.click();
        QVERIFY(r.s.view.notice.serial != first);
    }

    void startSavesAndSwitchesInOrder()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("45"), EndAction::Alarm, QStringLiteral("40"));
        QStringList said;
        connect(&r.session, &SessionController::viewChanged, [&](const SessionView &view) {
            said << QStringLiteral("%1 %2").arg(int(view.phase)).arg(SessionText::statusLine(view, r.clock.now));
        });
        r.click();
        QCOMPARE(r.settings.writes, 1);
        QCOMPARE(r.settings.stored->minutes, QStringLiteral("45"));
        QCOMPARE(r.settings.stored->endAction, EndAction::Alarm);
        // The running look first, then the status line, which it would clear; once each.
        QCOMPARE(said, QStringList({"1 ", "1 Fading until 22:45"}));
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
    }

    void failedSaveLeavesTheWindowIdle()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("10"), EndAction::PowerOff);
        r.settings.failWrites = true;
        QCOMPARE(r.click().saveError, QStringLiteral("Failed to set data for 'Timer'"));
        QVERIFY(r.idle());
        QVERIFY(!r.clock.ticking());
        QVERIFY(r.power.calls.isEmpty());
        // The slider still drives the mixer.
        r.volume.setLevel(20000);
        QCOMPARE(r.mixer.level, quint16(20000));
    }

    void cancelMidFade()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("30"), EndAction::PowerOff);
        r.click();
        r.clock.advance(100);
        const quint16 lastTick = quint16(65535 - 100 * 37);
        QCOMPARE(r.volume.level(), lastTick);
        // The session holds the mixer: neither the wheel nor the slider moves it.
        r.volume.stepByWheel(true);
        r.volume.setLevel(60000);
        QCOMPARE(r.volume.level(), lastTick);
        QCOMPARE(r.mixer.writes.size(), 100);
        r.click();
        QVERIFY(r.idle());
        QVERIFY(!r.clock.ticking());
        QCOMPARE(r.volume.level(), lastTick);
        QCOMPARE(r.mixer.level, lastTick);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
        QVERIFY(r.mixer.waveWrites.isEmpty());
        // The slider drives the mixer again, and the wheel works.
        r.volume.setLevel(1234);
        QCOMPARE(r.mixer.level, quint16(1234));
        r.volume.stepByWheel(true);
        QCOMPARE(r.mixer.level, quint16(2234));
    }

    void cancelAtSilenceEndsTheSession()
    {
        Rig r(30); // at 0 after half a minute
        r.setUp(QStringLiteral("1"), EndAction::PowerOff);
        r.click();
        r.clock.advance(60 - 1);
        QCOMPARE(r.volume.level(), quint16(0));
        r.click();
        QVERIFY(r.idle());
        QVERIFY(!r.clock.ticking());
        QCOMPARE(r.clock.advance(10), 0);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
    }

    // A minute before the computer goes off, a warning with its two actions;
    // the task bar's progress only when what it shows changes, at most every 10 s.
    void warningAndProgress_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("warnedAfter"); // seconds; -1: never
        QTest::newRow("shutdown in 2 minutes") << int(EndAction::PowerOff) << "2" << 60;
        QTest::newRow("suspend in 1 minute: at once") << int(EndAction::Suspend) << "1" << 0;
        QTest::newRow("alarm: the computer stays on") << int(EndAction::Alarm) << "2" << -1;
    }

    void warningAndProgress()
    {
        QFETCH(int, choice);
        QFETCH(QString, minutes);
        QFETCH(int, warnedAfter);
        Rig r(20000);
        r.setUp(minutes, EndAction(choice), QStringLiteral("40"));
        r.click();
        for (int second = 0; r.warning.shown.isEmpty() && r.clock.advance(1); ++second)
            QVERIFY(warnedAfter < 0 || second < warnedAfter);
        if (warnedAfter < 0) {
            QVERIFY(r.warning.shown.isEmpty());
        } else {
            const QString verb
                = EndAction(choice) == EndAction::PowerOff ? QStringLiteral("shut down") : QStringLiteral("suspend");
            QCOMPARE(r.warning.shown,
                     QStringList {QStringLiteral("The computer will %1 in 1 minute | The sleep timer "
                                                 "ends at 22:0%2:00. | 60000")
                                      .arg(verb, minutes)});
            r.clock.advance(60);
            QVERIFY(r.warning.withdrawals > 0);
        }
        // 0 % and the whole minutes first, then a new value at most every 10 seconds, cleared at the end.
        const QStringList expected = minutes == QLatin1String("1")
            ? QStringList {"0% 1", "17% 1", "33% 1", "50% 1", "67% 1", "83% 1", "clear"}
            : QStringList {"0% 2",  "8% 2",  "17% 2", "25% 2", "33% 2", "42% 2", "50% 1",
                           "58% 1", "67% 1", "75% 1", "83% 1", "92% 1", "clear"};
        QCOMPARE(r.progress.sent, expected);
    }

    // What the warning's buttons ask (the program routes them here as any cancel or extension).
    void cancelOrExtendWithdrawTheWarning()
    {
        for (const bool extend : {false, true}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), EndAction::PowerOff);
            r.click();
            if (extend)
                r.session.extend(15);
            else
                r.session.cancel();
            QCOMPARE(r.session.isRunning(), extend);
            QCOMPARE(r.warning.withdrawals, 1);
            QCOMPARE(r.clock.advance(3600), extend ? 16 * 60 : 0);
            // Extended, it warns again a minute before the new end.
            QCOMPARE(r.warning.shown.size(), extend ? 2 : 1);
        }
    }

    // A later end must not move the wake-up silently; ends far away name their day.
    void extensions_data()
    {
        QTest::addColumn<QTime>("alarm");
        QTest::addColumn<bool>("tomorrow");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("answer");
        QTest::newRow("before the wake-up") << QTime(22, 5) << false << 2 << "";
        QTest::newRow("past the wake-up: refused")
            << QTime(22, 5) << false << 5 << "the wake-up at 22:05 comes before the new end";
        QTest::newRow("tomorrow's wake-up stays") << QTime(7, 30) << true << 99 << "";
    }

    void extensions()
    {
        QFETCH(QTime, alarm);
        QFETCH(bool, tomorrow);
        QFETCH(int, minutes);
        QFETCH(QString, answer);
        Rig r(20000);
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.setup.wakeUpTime = alarm;
        r.setup.tomorrow = tomorrow;
        r.click();
        QCOMPARE(SessionText::extendRefusal(r.session.extend(minutes), r.clock.now), answer);
        // A refusal is said where the person looks too.
        QCOMPARE(r.s.status,
                 answer.isEmpty()
                     ? QStringLiteral("Fading until %1").arg(r.clock.now.addSecs(60 + minutes * 60).toString("HH:mm"))
                     : answer);
        QCOMPARE(r.clock.advance(24 * 3600), 60 + (answer.isEmpty() ? minutes * 60 : 0));
        QCOMPARE(r.phase(), Phase::WaitingForWakeUp);
        QCOMPARE(r.session.view().wakeUp.time(), alarm);
    }

    void farEndsNameTheirDay()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("99"), EndAction::PowerOff);
        r.click();
        for (int extension = 0; extension < 13; ++extension)
            r.session.extend(99);
        QCOMPARE(r.s.status, QStringLiteral("Fading until 21:06"));
        r.session.extend(99); // 24 h 45 min from now
        QCOMPARE(r.s.status, QStringLiteral("Fading until 22:45 on Tue 8 Dec"));
    }

    void unreachableMixerSkipsOnlyTheWrites()
    {
        Rig r(30000); // as read before the mixer went away
        r.mixer.available = false;
        r.setUp(QStringLiteral("1"), EndAction::PowerOff);
        r.click();
        r.clock.advance(30);
        QVERIFY(r.volume.level() < 30000);
        QCOMPARE(r.s.title, QStringLiteral("%1 % - Somnelle ").arg(r.volume.percent()));
        QVERIFY(r.mixer.writes.isEmpty());
        r.clock.advance(30);
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }
};

QTEST_MAIN(FadeTest)
#include "test_fade.moc"
