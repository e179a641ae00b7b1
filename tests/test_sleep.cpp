// SPDX-License-Identifier: MIT
// Asleep until the alarm, with the real kernel timer (this test runs with
// CAP_WAKE_ALARM, and a stand-in for the clock that wakes the machine, which
// a row goes without, as this machine may), logind's sleep lock
// and python3-dbusmock's logind on the tests' own system bus. Nothing is
// suspended: the mock only notes the request.

#include <QtTest>
#include <csignal>

#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "dbusmock.h"
#include "fakes.h"
#include "platform/logindpower.h"
#include "platform/sleepinhibitor.h"
#include "platform/systemwakealarm.h"
#include "form.h"
#include "ui/mainwindow.h"
#include "wakecapability.h"

class SleepTest : public QObject {
    Q_OBJECT

private slots:
    void untilTheAlarm_data()
    {
        QTest::addColumn<bool>("capable");   // a clock that can wake the machine, stood in
        QTest::addColumn<QString>("ending"); // rings, cancel or SIGTERM
        QTest::newRow("asleep, then rings") << true << "rings";
        QTest::newRow("asleep, cancelled") << true << "cancel";
        QTest::newRow("asleep, SIGTERM") << true << "SIGTERM";
        QTest::newRow("no wake clock: stays on, then rings") << false << "rings";
    }

    void untilTheAlarm()
    {
        QFETCH(bool, capable);
        QFETCH(QString, ending);
        if (!capable && WakeCapability::machineCanWake())
            QSKIP("this machine has a clock that can wake it");
        WakeCapability::standInWakeClock(capable);
        if (!WakeCapability::set(true, false))
            QSKIP("this user may not be given CAP_WAKE_ALARM");
        const DBusMock::Mock logind = DBusMock::logind();
        logind.clearCalls();
        QFile log(qEnvironmentVariable("SOMNELLE_TEST_LOGIND_LOG"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        log.seek(log.size()); // this row's lines only
        logind.addMethod(QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Suspend"),
                         QStringLiteral("b"), QString(),
                         QStringLiteral("self.log('locks at Suspend: %d' % len(globals().get('inhibitors', [])))"));
        FakePlatform fake;
        LogindPower power(DBusMock::privateBus(QDBusConnection::SystemBus));
        SleepInhibitor awake(DBusMock::privateBus(QDBusConnection::SessionBus),
                             DBusMock::privateBus(QDBusConnection::SystemBus));
        SystemWakeAlarm wake(DBusMock::privateBus(QDBusConnection::SessionBus));
        fake.clock.now = QDateTime::currentDateTime();
        MainWindow window;
        Somnelle app(fake.use(power).use(awake).use(wake).platform, window);
        const UnixSignals unixSignals;
        connect(&unixSignals, &UnixSignals::received, &app, &Somnelle::endBySignal);
        int ends = 0;
        connect(&app, &Somnelle::ended, [&ends] { ++ends; });

        // The fade ends a minute after now, the alarm five minutes later (on the next day near midnight).
        const QTime minute(fake.clock.now.time().hour(), fake.clock.now.time().minute());
        const QDateTime wakeUp = QDateTime(fake.clock.now.date(), minute).addSecs(6 * 60);
        QTemporaryFile tune;
        QVERIFY(tune.open());
        const QString until = wakeUp.toString(QStringLiteral("HH:mm"));
        QCOMPARE(app.handOver(Invocation::parse({"--sleep-until-alarm", "1", "am", until, "td", "40", tune.fileName()}),
                              QString())
                     .outcome,
                 HandOverAnswer::Applied);
        fake.clock.advance(60);
        QTRY_COMPARE(Form(window).statusText(),
                     capable ? QStringLiteral("The computer sleeps until %1").arg(until)
                             : QStringLiteral("This computer cannot wake itself; it stays on until %1").arg(until));
        // Armed for a minute before the wake-up; the lock given back, then the suspend asked for.
        const int ahead = int(QDateTime::currentDateTime().secsTo(wakeUp.addSecs(-60)));
        const QList<int> timers = WakeCapability::alarmTimers();
        QCOMPARE(timers.size(), int(capable));
        QVERIFY(!capable || qAbs(timers.first() - ahead) <= 2);
        QTRY_COMPARE(logind.calls().contains(QStringLiteral("Suspend false")), capable);
        // Asking for the lock is a few calls (the session manager, the power manager, then logind).
        QTRY_COMPARE(DBusMock::inhibitors(), capable ? QStringList() : QStringList({"sleep Somnelle block"}));
        QCOMPARE(log.readAll().contains("locks at Suspend: 0"), capable);

        if (ending == QLatin1String("cancel"))
            app.cancelOrSilence();
        else if (ending == QLatin1String("SIGTERM"))
            raise(SIGTERM);
        else
            fake.clock.runUntil(wakeUp);
        QTRY_COMPARE(app.status(), QStringLiteral("idle"));
        QCOMPARE(fake.shell.files.size(), int(ending == QLatin1String("rings")));
        QCOMPARE(ends, int(ending == QLatin1String("SIGTERM")));
        QCOMPARE(WakeCapability::alarmTimers(), QList<int>());
        QTRY_COMPARE(DBusMock::inhibitors(), QStringList());
    }
};

QTEST_MAIN(SleepTest)
#include "test_sleep.moc"
