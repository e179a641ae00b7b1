// SPDX-License-Identifier: MIT
// The end of the night on a driven clock: the power actions, the wait for the
// wake-up and its sound, asleep until then, a dry run and the program's end.

#include <QTemporaryFile>
#include <QtTest>

#include "session/sessiontext.h"
#include "sessionrig.h"

class NightTest : public QObject {
    Q_OBJECT

    using Phase = SessionView::Phase;
    using Rig = NightRig;

private slots:
    void alarmWaitsThenRings()
    {
        Rig r(20000);
        r.mixer.wave = 0x80004000u;
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.setup.wakeUpTime = QTime(7, 30);
        r.setup.tomorrow = true;
        QTemporaryFile tune;
        QVERIFY(tune.open());
        r.setup.startFile = tune.fileName();
        r.click();
        QVERIFY(r.awake.held);
        r.clock.advance(60);
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0u));
        // Still a session while waiting, asleep until the next look at the clock.
        QCOMPARE(r.s.status, QStringLiteral("Soon to get up..."));
        QCOMPARE(r.phase(), Phase::WaitingForWakeUp);
        QVERIFY(r.clock.waking());
        QVERIFY(r.awake.held);

        // 22:01 to 07:30 after midnight: a look at least once a minute, no ring before.
        const QDateTime due(QDate(2026, 12, 8), QTime(7, 30));
        const qint64 minutes = r.clock.now.secsTo(due) / 60;
        const int wakes = r.clock.runUntil(due.addMSecs(-1));
        QVERIFY2(wakes >= minutes - 1 && wakes <= minutes, qPrintable(QString::number(wakes)));
        QVERIFY(r.shell.files.isEmpty());
        r.clock.runUntil(due);
        QCOMPARE(r.shell.files, QStringList({tune.fileName()}));
        QCOMPARE(r.chime.starts, 0);
        QCOMPARE(r.volume.level(), quint16(26214));
        QCOMPARE(r.volume.percent(), quint8(40));
        QCOMPARE(r.mixer.level, quint16(26214));
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0x80004000u));
        QCOMPARE(r.s.status, QString());
        QVERIFY(r.idle());
        QVERIFY(!r.awake.held);
    }

    void alarmDayAndWaveOutput_data()
    {
        QTest::addColumn<QTime>("started");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QTime>("alarm");
        QTest::addColumn<bool>("tomorrow");
        QTest::addColumn<quint32>("waveBefore");
        QTest::addColumn<QDateTime>("rings");
        const QDate today(2026, 12, 7);
        QTest::newRow("tomorrow, the fade ends past midnight")
            << QTime(23, 30) << "45" << QTime(7, 30) << true << 0xFFFFFFFFu
            << QDateTime(today.addDays(1), QTime(7, 30));
        QTest::newRow("tomorrow, not tonight") << QTime(23, 10) << "1" << QTime(23, 50) << true << 0x80004000u
                                               << QDateTime(today.addDays(1), QTime(23, 50));
        QTest::newRow("muted before: on at the wake-up")
            << QTime(22, 0) << "1" << QTime(23, 0) << false << 0u << QDateTime(today, QTime(23, 0));
    }

    void alarmDayAndWaveOutput()
    {
        QFETCH(QTime, started);
        QFETCH(QString, minutes);
        QFETCH(QTime, alarm);
        QFETCH(bool, tomorrow);
        QFETCH(quint32, waveBefore);
        QFETCH(QDateTime, rings);
        Rig r(20000);
        r.mixer.wave = waveBefore;
        r.clock.now.setTime(started);
        r.setUp(minutes, EndAction::Alarm, QStringLiteral("40"));
        r.setup.wakeUpTime = alarm;
        r.setup.tomorrow = tomorrow;
        r.click();
        r.clock.advance(minutes.toInt() * 60);
        r.clock.runUntil(rings.addSecs(-1));
        QVERIFY(r.shell.files.isEmpty());
        r.clock.runUntil(rings);
        QCOMPARE(r.shell.files.size(), 1);
        QCOMPARE(r.mixer.wave, std::optional<quint32>(waveBefore ? waveBefore : 0xFFFFFFFFu));
    }

    void unplayableStartFileRingsTheChime_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("handlerWorks");
        QTest::addColumn<bool>("device");
        QTest::addColumn<bool>("answersLater"); // the chime tells about its device after the status line is said
        QTest::addColumn<QString>("status");
        QTest::newRow("missing") << "gone.mid" << true << true << false << "Start file not found: gone.mid";
        QTest::newRow("no program for it") << "europe.mid" << false << true << false << "Could not open europe.mid";
        QTest::newRow("no sound device either")
            << "gone.mid" << true << false << false
            << "Start file not found: gone.mid; no sound device for the chime either";
        QTest::newRow("no sound device, told later")
            << "gone.mid" << true << false << true
            << "Start file not found: gone.mid; no sound device for the chime either";
        QTest::newRow("a folder") << "/tmp" << true << true << false << "Start file is not a file: /tmp";
        QTest::newRow("a device") << "/dev/null" << true << true << false << "Start file is not a file: /dev/null";
        QTest::newRow("unreadable") << "unreadable" << true << true << false << "Start file cannot be read: %1";
        QTest::newRow("plays") << "europe.mid" << true << true << false << "";
    }

    void unplayableStartFileRingsTheChime()
    {
        QFETCH(QString, file);
        QFETCH(bool, handlerWorks);
        QFETCH(bool, device);
        QFETCH(bool, answersLater);
        QFETCH(QString, status);
        // A file this user may not read (the test runs as nobody when started as root).
        QTemporaryFile unreadable;
        if (file == QLatin1String("unreadable")) {
            QVERIFY(unreadable.open() && unreadable.setPermissions({}));
            file = unreadable.fileName();
            status = status.arg(file);
        }
        Rig r(20000);
        r.shell.handlerWorks = handlerWorks;
        r.chime.device = device;
        r.chime.answersLater = answersLater;
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.setup.startFile = file;
        r.setup.wakeUpTime = QTime(22, 1);
        r.click();
        r.clock.advance(60); // rings at once: the clock reads 22:01
        if (answersLater) {
            QCOMPARE(r.s.status, QStringLiteral("Start file not found: gone.mid"));
            QCOMPARE(r.phase(), Phase::Chiming);
            r.chime.answer();
        }
        QVERIFY(!r.session.isRunning());
        QCOMPARE(r.s.status, status);
        const bool chiming = !status.isEmpty() && device;
        QCOMPARE(r.chime.playing, chiming);
        QCOMPARE(r.phase(), chiming ? Phase::Chiming : Phase::Idle);
        QCOMPARE(r.volume.level(), quint16(26214));
        // Start only silences the chime; without one it starts.
        r.click();
        QVERIFY(!r.chime.playing);
        QCOMPARE(r.clock.ticking(), !chiming);
        QCOMPARE(r.phase(), chiming ? Phase::Idle : Phase::Fading);
    }

    void cancelDuringTheWakeUpWait()
    {
        Rig r(20000);
        r.mixer.wave = 0x80004000u;
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.click();
        r.clock.advance(60);
        r.click();
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0x80004000u));
        QVERIFY(r.idle());
        QCOMPARE(r.s.status, QString());
        QVERIFY(!r.clock.waking());
        QVERIFY(!r.awake.held);
        r.clock.runUntil(r.clock.now.addDays(2));
        QVERIFY(r.shell.files.isEmpty());
    }

    void closingDuringTheWaitEndsAfterTheRing()
    {
        // Playable, then missing: the program ends with the wake-up, or once the chime is silent.
        for (const QString &file : {QStringLiteral("europe.mid"), QStringLiteral("gone.mid")}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("99"));
            r.setup.wakeUpTime = QTime(23, 0);
            r.setup.startFile = file;
            r.click();
            r.clock.advance(60);
            r.session.endWhenDone();
            r.clock.runUntil(QDateTime(QDate(2026, 12, 7), QTime(22, 59)));
            QCOMPARE(r.s.finishes, 0);
            r.clock.runUntil(QDateTime(QDate(2026, 12, 7), QTime(23, 0)));
            QCOMPARE(r.volume.level(), quint16(64879));
            QCOMPARE(r.chime.playing, file == QLatin1String("gone.mid"));
            QCOMPARE(r.s.finishes, r.chime.playing ? 0 : 1);
            r.chime.stop();
            QCOMPARE(r.s.finishes, 1);
        }
    }

    void powerActionsComeAfterTheLockIsGone()
    {
        for (const EndAction choice : {EndAction::PowerOff, EndAction::Suspend}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), choice);
            std::optional<bool> heldAtRequest;
            r.power.onRequest = [&r, &heldAtRequest] { heldAtRequest = r.awake.held; };
            r.click();
            r.clock.advance(59);
            QVERIFY(r.awake.held);
            r.clock.advance(1);
            QCOMPARE(heldAtRequest, std::optional<bool>(false));
            QVERIFY(r.idle());
        }
    }

    void dryRunOnlySaysWhatItWouldDo()
    {
        for (const EndAction choice : {EndAction::PowerOff, EndAction::Suspend}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), choice);
            r.setup.dryRun = true;
            r.click();
            // It says so all night, and leaves the stored setup as the last real night's.
            QCOMPARE(r.s.status, QStringLiteral("Fading until 22:01 (dry run)"));
            QCOMPARE(r.settings.writes, 0);
            r.clock.advance(30);
            QCOMPARE(r.s.title, QStringLiteral("%1 % - Somnelle (dry run)").arg(r.volume.percent()));
            r.clock.advance(30);
            QCOMPARE(r.power.calls.size(), 1); // only the question at the start
            QVERIFY(
                r.warning.shown.value(0).startsWith(QStringLiteral("The computer would %1 in 1 minute (dry run) |")
                                                        .arg(choice == EndAction::PowerOff ? "shut down" : "suspend")));
            QCOMPARE(r.s.status,
                     choice == EndAction::PowerOff ? QStringLiteral("Dry run: the computer would shut down now")
                                                   : QStringLiteral("Dry run: the computer would suspend now"));
            QVERIFY(r.idle());
            QCOMPARE(r.s.finishes, 0);
        }
    }

    void noChoiceCheckedRunsNoEndAction()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("1"), EndAction::None);
        r.click();
        QCOMPARE(r.s.status, QStringLiteral("Fading until 22:01; nothing follows the fade"));
        r.clock.advance(60);
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0u));
        QCOMPARE(r.mixer.level, quint16(0));
        QVERIFY(r.idle());
    }

    // Asleep until the alarm: with a way to wake the computer, the wake is armed
    // a minute ahead, the lock goes, then the suspend; without one, refused,
    // with the wake less than two minutes after the fade's end, or for a dry
    // run, the computer stays on (a dry run says what the night would do). The
    // alarm rings either way; Cancel and the wake-up disarm.
    void sleepingUntilTheAlarm_data()
    {
        QTest::addColumn<WakeAlarm::Route>("route");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("dryRun");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QTime>("alarm"); // the fade ends at 22:01
        QTest::addColumn<QString>("status");
        using Route = WakeAlarm::Route;
        const QString sleeps = QStringLiteral("The computer sleeps until 07:30");
        const QTime morning(7, 30);
        QTest::newRow("kernel") << Route::Kernel << "" << false << false << morning << sleeps;
        QTest::newRow("power manager, cancelled") << Route::PowerManager << "" << false << true << morning << sleeps;
        QTest::newRow("no way") << Route::None << "" << false << false << morning
                                << "This computer cannot wake itself; it stays on until 07:30";
        QTest::newRow("suspend refused") << Route::Kernel << "not now" << false << false << morning
                                         << "Suspend refused: not now";
        QTest::newRow("dry run") << Route::Kernel << "" << true << false << morning
                                 << "Dry run: the computer would sleep until 07:30";
        QTest::newRow("dry run, no way") << Route::None << "" << true << false << morning
                                         << "Dry run: the computer cannot wake itself; would stay on until 07:30";
        QTest::newRow("wake a minute after the fade") << Route::Kernel << "" << false << false << QTime(22, 3)
                                                      << "The wake-up is too close to sleep; the computer stays on "
                                                         "until 22:03";
        QTest::newRow("wake at the fade's end, dry run")
            << Route::Kernel << "" << true << false << QTime(22, 2)
            << "Dry run: the wake-up is too close; it would stay on until 22:02";
        QTest::newRow("wake two minutes after the fade")
            << Route::Kernel << "" << false << false << QTime(22, 4) << "The computer sleeps until 22:04";
    }

    void sleepingUntilTheAlarm()
    {
        QFETCH(WakeAlarm::Route, route);
        QFETCH(QString, refusal);
        QFETCH(bool, dryRun);
        QFETCH(bool, cancel);
        QFETCH(QTime, alarm);
        QFETCH(QString, status);
        Rig r(20000);
        r.wake.route = route;
        r.power.refusal = refusal;
        std::optional<bool> heldAtRequest;
        r.power.onRequest = [&r, &heldAtRequest] { heldAtRequest = r.awake.held; };
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.setup.wakeUpTime = alarm;
        r.setup.sleepUntilAlarm = true;
        r.setup.dryRun = dryRun;
        r.click();
        r.clock.advance(60);
        QCOMPARE(r.s.status, status);
        const QDateTime wakeUp = AlarmWait::nextAlarmTime(r.clock.now, alarm, r.clock.now.date());
        const bool tried = route != WakeAlarm::Route::None && !dryRun && r.clock.now.secsTo(wakeUp) >= 180;
        QCOMPARE(r.wake.arms, tried ? QList<QDateTime>({wakeUp.addSecs(-60)}) : QList<QDateTime>());
        // The lock goes before the suspend, and comes back when it is refused or not asked for.
        QCOMPARE(heldAtRequest, tried ? std::optional<bool>(false) : std::nullopt);
        QCOMPARE(r.awake.held, !tried || !refusal.isEmpty());
        QCOMPARE(r.session.view().asleep, tried && refusal.isEmpty());
        if (cancel)
            r.click();
        // Woken a minute ahead: awake, and kept so until the ring.
        r.clock.runUntil(wakeUp.addSecs(-60));
        if (tried && refusal.isEmpty() && !cancel) {
            QCOMPARE(r.s.status, QStringLiteral("Awake for the wake-up at %1").arg(alarm.toString("HH:mm")));
            QVERIFY(r.awake.held && !r.session.view().asleep);
        }
        r.clock.runUntil(wakeUp);
        QCOMPARE(r.shell.files.size(), cancel ? 0 : 1);
        QVERIFY(!r.wake.isArmed());
    }

    // The answers took their time: the wake is armed, but the suspend would now
    // begin too close to it. The computer stays on, the lock back, the wake let go.
    void tooCloseOnceArmed()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("1"), EndAction::Alarm, QStringLiteral("40"));
        r.setup.wakeUpTime = QTime(22, 4);
        r.setup.sleepUntilAlarm = true;
        r.awake.onRelease = [&r] { r.clock.now = r.clock.now.addSecs(5); };
        r.click();
        r.clock.advance(60);
        QCOMPARE(r.s.status, QStringLiteral("The wake-up is too close to sleep; the computer stays on until 22:04"));
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
        QVERIFY(r.awake.held);
        QVERIFY(!r.wake.isArmed());
    }

    // The window was closed: the program ends with the session, however it ends.
    void endsWhenDone()
    {
        for (const bool cancel : {false, true}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), EndAction::PowerOff);
            r.click();
            r.clock.advance(10);
            r.session.endWhenDone();
            QCOMPARE(r.s.finishes, 0);
            QVERIFY(r.clock.ticking());
            if (cancel)
                r.click();
            else
                r.clock.advance(50);
            QCOMPARE(r.s.finishes, 1);
        }
    }
};

QTEST_MAIN(NightTest)
#include "test_night.moc"
