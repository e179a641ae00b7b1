// SPDX-License-Identifier: MIT
// The sleep session on a driven clock: a 30-minute fade takes milliseconds.

#include <QTemporaryFile>
#include <QtTest>

#include "fakes.h"
#include "session/fade.h"
#include "session/sessiontext.h"
#include "sessionrig.h"

class SessionTest : public QObject {
    Q_OBJECT

    using Phase = SessionController::Phase;

    // The session on fakes of the platform, the master volume at a level.
    struct Rig : FakePlatform {
        SessionRig s {platform};
        SessionController &session = s.session;
        VolumeControl &volume = s.volume;
        Setup setup;

        // answersLater: the mixer tells its level when the test says so.
        explicit Rig(quint16 level, bool answersLater = false)
        {
            mixer.level = level;
            mixer.answersLater = answersLater;
            volume.readAtStart();
        }
        void setUp(const QString &minutes, EndAction action, const QString &wakeUpPercent = QString())
        {
            setup = SessionRig::setup(minutes, action, wakeUpPercent);
        }
        void click() { session.startOrCancel(setup); }
        bool idle() const { return session.phase() == Phase::Idle; }
    };

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
        r.click();
        if (seconds == 0) {
            QCOMPARE(r.s.status, QStringLiteral("Set timer"));
            QCOMPARE(r.s.missing, QList<SessionController::Field>({SessionController::Field::Minutes}));
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
        r.click();
        QCOMPARE(r.clock.ticking(), starts);
        QCOMPARE(r.settings.writes, starts ? 1 : 0);
        if (!starts) {
            QCOMPARE(r.s.status, QStringLiteral("Set volume"));
            QCOMPARE(r.s.missing, QList<SessionController::Field>({SessionController::Field::WakeUpPercent}));
            QVERIFY(r.idle());
        }
    }

    void bothFieldsUnsetEndsWithSetVolume()
    {
        Rig r(30000);
        r.setUp(QString(), EndAction::Alarm);
        r.click();
        QCOMPARE(r.s.status, QStringLiteral("Set volume"));
        QCOMPARE(r.s.missing,
                 QList<SessionController::Field>(
                     {SessionController::Field::Minutes, SessionController::Field::WakeUpPercent}));
    }

    void startSavesAndSwitchesInOrder()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("45"), EndAction::Alarm, QStringLiteral("40"));
        QStringList said;
        connect(&r.session, &SessionController::phaseChanged, [&said](Phase phase) {
            said << QString::fromLatin1(QMetaEnum::fromType<Phase>().valueToKey(int(phase)));
        });
        connect(&r.session, &SessionController::noticeChanged,
                [&](const SessionNotice &notice) { said << SessionText::statusLine(notice, r.clock.now); });
        r.click();
        QCOMPARE(r.settings.writes, 1);
        QCOMPARE(r.settings.stored->minutes, QStringLiteral("45"));
        QCOMPARE(r.settings.stored->endAction, EndAction::Alarm);
        // The running look first, then the status line, which it would clear.
        QCOMPARE(said, QStringList({"Fading", "Fading until 22:45"}));
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
    }

    void failedSaveLeavesTheWindowIdle()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("10"), EndAction::PowerOff);
        r.settings.failWrites = true;
        r.click();
        QCOMPARE(r.s.errors, QStringList({"Failed to set data for 'Timer'"}));
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
        QCOMPARE(r.session.phase(), Phase::WaitingForWakeUp);
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
            QCOMPARE(r.session.phase(), Phase::Chiming);
            r.chime.answer();
        }
        QVERIFY(!r.session.isRunning());
        QCOMPARE(r.s.status, status);
        const bool chiming = !status.isEmpty() && device;
        QCOMPARE(r.chime.playing, chiming);
        QCOMPARE(r.session.phase(), chiming ? Phase::Chiming : Phase::Idle);
        QCOMPARE(r.volume.level(), quint16(26214));
        // Start only silences the chime; without one it starts.
        r.click();
        QVERIFY(!r.chime.playing);
        QCOMPARE(r.clock.ticking(), !chiming);
        QCOMPARE(r.session.phase(), chiming ? Phase::Idle : Phase::Fading);
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

    void warningActionsCancelOrExtend()
    {
        for (const bool extend : {false, true}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), EndAction::PowerOff);
            r.click();
            if (extend)
                Q_EMIT r.warning.extendRequested();
            else
                Q_EMIT r.warning.cancelRequested();
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
        QCOMPARE(r.clock.advance(24 * 3600), 60 + (answer.isEmpty() ? minutes * 60 : 0));
        QCOMPARE(r.session.phase(), Phase::WaitingForWakeUp);
        QCOMPARE(r.session.wakeUpAt().time(), alarm);
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
        QCOMPARE(r.session.sleepsUntilWakeUp(), tried && refusal.isEmpty());
        if (cancel)
            r.click();
        // Woken a minute ahead: awake, and kept so until the ring.
        r.clock.runUntil(wakeUp.addSecs(-60));
        if (tried && refusal.isEmpty() && !cancel) {
            QCOMPARE(r.s.status, QStringLiteral("Awake for the wake-up at %1").arg(alarm.toString("HH:mm")));
            QVERIFY(r.awake.held && !r.session.sleepsUntilWakeUp());
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

QTEST_MAIN(SessionTest)
#include "test_session.moc"
