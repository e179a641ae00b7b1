// SPDX-License-Identifier: MIT
// The sleep session on a driven clock: a 30-minute fade takes milliseconds.

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryFile>
#include <QtTest>

#include "app/somnelle.h"
#include "fakes.h"
#include "ui/applicationtitle.h"
#include "ui/picturebutton.h"
#include "ui/mainwindow.h"

class SessionTest : public QObject {
    Q_OBJECT

    // The whole program on fakes of the platform.
    struct Rig : FakePlatform {
        Somnelle app {platform};
        MainWindow &f = app.form();

        // The window opening on a master volume at this level.
        explicit Rig(quint16 level)
        {
            mixer.level = level;
            Q_EMIT app.form().opening();
        }
        void setUp(const QString &minutes, SetupView::Choice choice, const QString &wakeUpVolume = QString())
        {
            f.setChoiceChecked(choice, true);
            f.setMinutesText(minutes);
            f.setWakeUpVolumeText(wakeUpVolume);
        }
        void click() { Q_EMIT app.form().startCancelClicked(); }
        bool idleLook() const
        {
            return !app.session().isRunning() && f.startCancelButton->accessibleName() == QLatin1String("Start")
                && f.minutesEdit->isEnabled() && f.volumeSlider->isEnabled()
                && f.windowTitle() == MainWindow::RestCaption && ApplicationTitle() == QLatin1String("Somnelle");
        }
    };

private slots:
    void thirtyMinutesFromFull()
    {
        Rig r(65535);
        QCOMPARE(r.app.volume().level(), quint16(65535));
        r.setUp(QStringLiteral("30"), SetupView::Shutdown);
        r.click();
        QCOMPARE(r.app.session().step(), quint16(37));
        QVERIFY(!r.idleLook());

        QCOMPARE(r.clock.advance(1771), 1771);
        QCOMPARE(r.app.volume().level(), quint16(8));
        QCOMPARE(r.mixer.level, quint16(8));
        QCOMPARE(r.f.volumeSlider->value(), 8);
        r.clock.advance(1);
        QCOMPARE(r.app.volume().level(), quint16(0));

        // 28 more seconds at 0, the end action only after the last.
        r.mixer.writes.clear();
        QCOMPARE(r.clock.advance(27), 27);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
        QCOMPARE(r.clock.advance(100), 1);
        QCOMPARE(r.mixer.writes, QList<quint16>(28, 0));
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff", "powerOff"}));
        // The wave output was muted before the end action, and stays so.
        QCOMPARE(r.mixer.waveWrites, QList<quint32>({0}));
        QVERIFY(r.idleLook());
    }

    void oneMinuteFromFull()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("1"), SetupView::SuspendMode);
        r.click();
        QCOMPARE(r.app.session().step(), quint16(1093));
        r.clock.advance(59);
        QCOMPARE(r.app.volume().level(), quint16(65535 - 59 * 1093));
        QVERIFY(r.app.volume().level() > 0);
        QCOMPARE(r.power.calls, QStringList({"privilege:suspend"}));
        r.clock.advance(1);
        QCOMPARE(r.app.volume().level(), quint16(0));
        // Suspend, then the program ends, with the output on again at 0 after the resume.
        QCOMPARE(r.power.calls, QStringList({"privilege:suspend", "suspend"}));
        QCOMPARE(r.quits, 1);
        QCOMPARE(r.mixer.waveWrites, QList<quint32>({0, 0xFFFFFFFFu}));
        QCOMPARE(r.mixer.level, quint16(0));
    }

    void silenceAtTheStart()
    {
        Rig r(0);
        r.setUp(QStringLiteral("2"), SetupView::Shutdown);
        r.click();
        QCOMPARE(r.app.session().step(), quint16(1));
        QCOMPARE(r.clock.advance(1000), 120);
        QCOMPARE(r.mixer.writes, QList<quint16>(120, 0));
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }

    void captionAndTitleFollowTheFade()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("30"), SetupView::Shutdown);
        r.click();
        // 37 % is first reached when the level falls below 24903.
        while (r.app.volume().percent() != 37 && r.clock.ticking())
            r.clock.advance(1);
        QCOMPARE(r.f.windowTitle(), QStringLiteral("37 % - Somnelle "));
        QCOMPARE(ApplicationTitle(), QStringLiteral("37 % - Somnelle "));
        QCOMPARE(r.f.volumeReadout->text(), QStringLiteral("Volume: 37 %"));
        r.clock.advance(1800);
        QVERIFY(r.idleLook());
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
        r.setUp(minutes, SetupView::Shutdown);
        r.click();
        if (seconds == 0) {
            QCOMPARE(r.f.statusText(), QStringLiteral("Set timer"));
            QCOMPARE(MainWindow::fieldColour(r.f.minutesEdit), MainWindow::Fuchsia);
            // Nothing was switched or saved.
            QVERIFY(r.idleLook());
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
        QTest::newRow("shutdown, empty") << int(SetupView::Shutdown) << "" << true;
        QTest::newRow("suspend, empty") << int(SetupView::SuspendMode) << "" << true;
        QTest::newRow("alarm, empty") << int(SetupView::AlarmMode) << "" << false;
        QTest::newRow("alarm, 0") << int(SetupView::AlarmMode) << "0" << false;
        QTest::newRow("alarm, 40") << int(SetupView::AlarmMode) << "40" << true;
        QTest::newRow("alarm, stored 100") << int(SetupView::AlarmMode) << "100" << true;
        QTest::newRow("alarm, stored 150") << int(SetupView::AlarmMode) << "150" << false;
        QTest::newRow("alarm, stored -5") << int(SetupView::AlarmMode) << "-5" << false;
    }

    void wakeUpVolumeField()
    {
        QFETCH(int, choice);
        QFETCH(QString, volume);
        QFETCH(bool, starts);
        Rig r(30000);
        r.setUp(QStringLiteral("5"), SetupView::Choice(choice), volume);
        r.click();
        QCOMPARE(r.clock.ticking(), starts);
        QCOMPARE(r.settings.writes, starts ? 1 : 0);
        if (!starts) {
            QCOMPARE(r.f.statusText(), QStringLiteral("Set volume"));
            QCOMPARE(MainWindow::fieldColour(r.f.wakeVolumeEdit), MainWindow::Fuchsia);
            QVERIFY(r.idleLook());
        }
    }

    void bothFieldsUnsetEndsWithSetVolume()
    {
        Rig r(30000);
        r.setUp(QString(), SetupView::AlarmMode);
        r.click();
        QCOMPARE(r.f.statusText(), QStringLiteral("Set volume"));
        QCOMPARE(MainWindow::fieldColour(r.f.minutesEdit), MainWindow::Fuchsia);
        QCOMPARE(MainWindow::fieldColour(r.f.wakeVolumeEdit), MainWindow::Fuchsia);
    }

    void startSavesAndSwitchesInOrder()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("45"), SetupView::AlarmMode, QStringLiteral("40"));
        r.f.setStatusText(QStringLiteral("Set timer"));
        r.click();
        QCOMPARE(r.settings.writes, 1);
        QCOMPARE(r.settings.stored.timer, std::optional<QString>(QStringLiteral("45")));
        QCOMPARE(r.settings.stored.am, std::optional<bool>(true));
        QVERIFY(r.app.session().isRunning());
        QCOMPARE(r.f.statusText(), QStringLiteral("Fading until 22:45"));
        QVERIFY(!r.f.minutesEdit->isEnabled() && !r.f.volumeSlider->isEnabled() && !r.f.wakeVolumeEdit->isEnabled()
                && !r.f.shutdownChoice->isEnabled() && !r.f.contactLink->isEnabled());
        QCOMPARE(r.f.startCancelButton->accessibleName(), QStringLiteral("Cancel"));
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
    }

    void failedSaveLeavesTheWindowIdle()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("10"), SetupView::Shutdown);
        r.settings.failWrites = true;
        r.click();
        QCOMPARE(r.errors, QStringList({"Failed to set data for 'Timer'"}));
        QVERIFY(r.idleLook());
        QVERIFY(!r.clock.ticking());
        QVERIFY(r.power.calls.isEmpty());
        // The slider still drives the mixer.
        r.f.volumeSlider->setValue(20000);
        QCOMPARE(r.mixer.level, quint16(20000));
    }

    void cancelMidFade()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("30"), SetupView::Shutdown);
        r.click();
        r.clock.advance(100);
        const quint16 lastTick = quint16(65535 - 100 * 37);
        QCOMPARE(r.app.volume().level(), lastTick);
        r.click();
        QVERIFY(r.idleLook());
        QVERIFY(!r.clock.ticking());
        QCOMPARE(r.app.volume().level(), lastTick);
        QCOMPARE(r.mixer.level, lastTick);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
        QVERIFY(r.mixer.waveWrites.isEmpty());
        // The slider drives the mixer again, and the wheel works.
        r.f.volumeSlider->setValue(1234);
        QCOMPARE(r.mixer.level, quint16(1234));
        Q_EMIT r.app.form().wheelNotch(true);
        QCOMPARE(r.mixer.level, quint16(2234));
    }

    void cancelAtSilenceEndsTheSession()
    {
        Rig r(65535);
        r.setUp(QStringLiteral("1"), SetupView::Shutdown);
        r.click();
        r.clock.advance(60 - 1);
        r.app.volume().setLevel(0); // as late in a longer fade
        r.click();
        QVERIFY(r.idleLook());
        QVERIFY(!r.clock.ticking());
        QCOMPARE(r.clock.advance(10), 0);
        QCOMPARE(r.power.calls, QStringList({"privilege:powerOff"}));
    }

    void wheelDuringASessionChangesNothing()
    {
        Rig r(30000);
        r.setUp(QStringLiteral("5"), SetupView::Shutdown);
        r.click();
        r.clock.advance(3);
        const quint16 level = r.app.volume().level();
        const int writes = r.mixer.writes.size();
        QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(&r.f, &up);
        QCOMPARE(r.app.volume().level(), level);
        QCOMPARE(r.mixer.writes.size(), writes);
    }

    void alarmWaitsThenRings()
    {
        Rig r(20000);
        r.mixer.wave = 0x80004000u;
        r.setUp(QStringLiteral("1"), SetupView::AlarmMode, QStringLiteral("40"));
        r.f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), QTime(7, 30)));
        r.f.setTomorrow(true);
        QTemporaryFile tune;
        QVERIFY(tune.open());
        r.f.setStartFile(tune.fileName());
        r.click();
        QVERIFY(r.awake.held);
        r.clock.advance(60);
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0u));
        // Still a session while waiting, asleep until the next look at the clock.
        QCOMPARE(r.f.statusText(), QStringLiteral("Soon to get up..."));
        QVERIFY(r.app.session().isRunning());
        QVERIFY(!r.f.minutesEdit->isEnabled());
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
        QCOMPARE(r.app.volume().level(), quint16(26214));
        QCOMPARE(r.f.volumeSlider->value(), 26214);
        QCOMPARE(r.f.volumeReadout->text(), QStringLiteral("Volume: 40 %"));
        QCOMPARE(r.mixer.level, quint16(26214));
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0x80004000u));
        QCOMPARE(r.f.statusText(), QString());
        QVERIFY(r.idleLook());
        QVERIFY(!r.awake.held);
        QVERIFY(r.f.wakeVolumeEdit->isEnabled());
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
        r.setUp(minutes, SetupView::AlarmMode, QStringLiteral("40"));
        r.f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), alarm));
        r.f.setTomorrow(tomorrow);
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
        QTest::addColumn<QString>("status");
        QTest::newRow("missing") << "gone.mid" << true << true << "Start file not found: gone.mid";
        QTest::newRow("no program for it") << "europe.mid" << false << true << "Could not open europe.mid";
        QTest::newRow("no sound device either")
            << "gone.mid" << true << false << "Start file not found: gone.mid; no sound device for the chime either";
        QTest::newRow("plays") << "europe.mid" << true << true << "";
    }

    void unplayableStartFileRingsTheChime()
    {
        QFETCH(QString, file);
        QFETCH(bool, handlerWorks);
        QFETCH(bool, device);
        QFETCH(QString, status);
        Rig r(20000);
        r.shell.handlerWorks = handlerWorks;
        r.chime.device = device;
        r.setUp(QStringLiteral("1"), SetupView::AlarmMode, QStringLiteral("40"));
        r.f.setStartFile(file);
        r.f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), QTime(22, 1)));
        r.click();
        r.clock.advance(60); // rings at once: the clock reads 22:01
        QVERIFY(r.idleLook());
        QCOMPARE(r.f.statusText(), status);
        QCOMPARE(r.chime.playing, !status.isEmpty() && device);
        QCOMPARE(r.app.volume().level(), quint16(26214));
        // A click on Start only silences the chime, like a click anywhere; without one it starts.
        const bool chiming = r.chime.playing;
        QTest::mouseClick(r.f.startCancelButton, Qt::LeftButton);
        QVERIFY(!r.chime.playing);
        QCOMPARE(r.clock.ticking(), !chiming);
        // By the keyboard the same.
        r.chime.playing = chiming;
        r.click();
        QVERIFY(!r.chime.playing);
        QCOMPARE(r.clock.ticking(), false);
    }

    void cancelDuringTheWakeUpWait()
    {
        Rig r(20000);
        r.mixer.wave = 0x80004000u;
        r.setUp(QStringLiteral("1"), SetupView::AlarmMode, QStringLiteral("40"));
        r.click();
        r.clock.advance(60);
        r.click();
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0x80004000u));
        QVERIFY(r.idleLook());
        QCOMPARE(r.f.statusText(), QString());
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
            r.setUp(QStringLiteral("1"), SetupView::AlarmMode, QStringLiteral("99"));
            r.f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), QTime(23, 0)));
            r.f.setStartFile(file);
            r.click();
            r.clock.advance(60);
            QVERIFY(!r.app.session().closeRequested());
            r.clock.runUntil(QDateTime(QDate(2026, 12, 7), QTime(22, 59)));
            QCOMPARE(r.quits, 0);
            r.clock.runUntil(QDateTime(QDate(2026, 12, 7), QTime(23, 0)));
            QCOMPARE(r.app.volume().level(), quint16(64879));
            QCOMPARE(r.chime.playing, file == QLatin1String("gone.mid"));
            QCOMPARE(r.quits, r.chime.playing ? 0 : 1);
            r.chime.stop();
            QCOMPARE(r.quits, 1);
        }
    }

    void powerActionsComeAfterTheLockIsGone()
    {
        for (const SetupView::Choice choice : {SetupView::Shutdown, SetupView::SuspendMode}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), choice);
            std::optional<bool> heldAtRequest;
            r.power.onRequest = [&r, &heldAtRequest] { heldAtRequest = r.awake.held; };
            r.click();
            r.clock.advance(59);
            QVERIFY(r.awake.held);
            r.clock.advance(1);
            QCOMPARE(heldAtRequest, std::optional<bool>(false));
            QVERIFY(r.idleLook());
        }
    }

    // A minute before the computer goes off, a warning with its two actions;
    // the task bar's progress only when what it shows changes, at most every 10 s.
    void warningAndProgress_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("warnedAfter"); // seconds; -1: never
        QTest::newRow("shutdown in 2 minutes") << int(SetupView::Shutdown) << "2" << 60;
        QTest::newRow("suspend in 1 minute: at once") << int(SetupView::SuspendMode) << "1" << 0;
        QTest::newRow("alarm: the computer stays on") << int(SetupView::AlarmMode) << "2" << -1;
    }

    void warningAndProgress()
    {
        QFETCH(int, choice);
        QFETCH(QString, minutes);
        QFETCH(int, warnedAfter);
        Rig r(20000);
        r.setUp(minutes, SetupView::Choice(choice), QStringLiteral("40"));
        r.click();
        for (int second = 0; r.warning.shown.isEmpty() && r.clock.advance(1); ++second)
            QVERIFY(warnedAfter < 0 || second < warnedAfter);
        if (warnedAfter < 0) {
            QVERIFY(r.warning.shown.isEmpty());
        } else {
            const QString verb
                = choice == SetupView::Shutdown ? QStringLiteral("shut down") : QStringLiteral("suspend");
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
        for (const EndWarning::Action action : {EndWarning::Action::Cancel, EndWarning::Action::Extend}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), SetupView::Shutdown);
            r.click();
            r.warning.invoked(action);
            QCOMPARE(r.app.session().isRunning(), action == EndWarning::Action::Extend);
            QCOMPARE(r.warning.withdrawals, 1);
            QCOMPARE(r.clock.advance(3600), action == EndWarning::Action::Extend ? 16 * 60 : 0);
            // Extended, it warns again a minute before the new end.
            QCOMPARE(r.warning.shown.size(), action == EndWarning::Action::Extend ? 2 : 1);
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
        r.setUp(QStringLiteral("1"), SetupView::AlarmMode, QStringLiteral("40"));
        r.f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), alarm));
        r.f.setTomorrow(tomorrow);
        r.click();
        QCOMPARE(r.app.session().extend(minutes), answer);
        QCOMPARE(r.clock.advance(24 * 3600), 60 + (answer.isEmpty() ? minutes * 60 : 0));
        QCOMPARE(r.app.session().describe(),
                 QStringLiteral("waiting for the wake-up at %1").arg(alarm.toString(QStringLiteral("HH:mm"))));
    }

    void farEndsNameTheirDay()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("99"), SetupView::Shutdown);
        r.click();
        for (int extension = 0; extension < 13; ++extension)
            QCOMPARE(r.app.session().extend(99), QString());
        QCOMPARE(r.f.statusText(), QStringLiteral("Fading until 21:06"));
        QCOMPARE(r.app.session().extend(99), QString()); // 24 h 45 min from now
        QCOMPARE(r.f.statusText(), QStringLiteral("Fading until 22:45 on Tue 8 Dec"));
        QVERIFY(r.app.session().describe().contains(QStringLiteral("ends at 22:45 on Tue 8 Dec, then shutdown")));
    }

    void dryRunOnlySaysWhatItWouldDo()
    {
        for (const SetupView::Choice choice : {SetupView::Shutdown, SetupView::SuspendMode}) {
            Rig r(20000);
            r.setUp(QStringLiteral("1"), choice);
            r.app.session().startAsCommanded(true);
            r.clock.advance(60);
            QCOMPARE(r.power.calls.size(), 1); // only the question at the start
            QVERIFY(
                r.warning.shown.value(0).startsWith(QStringLiteral("The computer would %1 in 1 minute (dry run) |")
                                                        .arg(choice == SetupView::Shutdown ? "shut down" : "suspend")));
            QCOMPARE(r.f.statusText(),
                     choice == SetupView::Shutdown ? QStringLiteral("Dry run: the computer would shut down now")
                                                   : QStringLiteral("Dry run: the computer would suspend now"));
            QVERIFY(r.idleLook());
            QCOMPARE(r.quits, 0);
        }
    }

    void noChoiceCheckedRunsNoEndAction()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("1"), SetupView::Shutdown);
        r.f.setChoiceChecked(SetupView::Shutdown, false);
        r.click();
        r.clock.advance(60);
        QCOMPARE(r.power.calls, QStringList({"privilege"}));
        QCOMPARE(r.mixer.wave, std::optional<quint32>(0u));
        QCOMPARE(r.mixer.level, quint16(0));
        QVERIFY(r.idleLook());
    }

    void unreachableMixerSkipsOnlyTheWrites()
    {
        Rig r(0);
        r.app.volume().setLevel(30000); // as set before the mixer went away
        r.mixer.available = false;
        r.setUp(QStringLiteral("1"), SetupView::Shutdown);
        r.click();
        r.clock.advance(30);
        QVERIFY(r.app.volume().level() < 30000);
        QCOMPARE(r.f.volumeSlider->value(), int(r.app.volume().level()));
        QCOMPARE(r.f.volumeReadout->text(), QStringLiteral("Volume: %1 %").arg(r.app.volume().percent()));
        QVERIFY(r.f.windowTitle().endsWith(QStringLiteral(" % - Somnelle ")));
        QVERIFY(r.mixer.writes.isEmpty());
        r.clock.advance(30);
        QCOMPARE(r.power.calls.last(), QStringLiteral("powerOff"));
    }

    void closingDuringASessionWaitsForItsEnd()
    {
        Rig r(20000);
        QVERIFY(r.app.session().closeRequested()); // idle: closes at once
        r.setUp(QStringLiteral("1"), SetupView::Shutdown);
        r.click();
        r.clock.advance(10);
        QCloseEvent close;
        QApplication::sendEvent(&r.f, &close);
        QVERIFY(!close.isAccepted());
        QCOMPARE(r.quits, 0);
        QVERIFY(r.clock.ticking());
        r.clock.advance(50);
        QCOMPARE(r.quits, 1);
    }

    void closingThenCancelEndsTheProgram()
    {
        Rig r(20000);
        r.setUp(QStringLiteral("1"), SetupView::Shutdown);
        r.click();
        QVERIFY(!r.app.session().closeRequested());
        r.click();
        QCOMPARE(r.quits, 1);
    }
};

QTEST_MAIN(SessionTest)
#include "test_session.moc"
