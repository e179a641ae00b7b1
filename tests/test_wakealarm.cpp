// SPDX-License-Identifier: MIT
// Each way of waking the computer: the real kernel timer, and python3-dbusmock's power manager.
#include <QtTest>
#include <optional>

#include "dbusmock.h"
#include "platform/systemwakealarm.h"
#include "wakecapability.h"

class WakeAlarmTest : public QObject {
    Q_OBJECT
    using Route = WakeAlarm::Route;
private slots:
    void routes_data()
    {
        QTest::addColumn<bool>("wakeClock"); // the machine has a clock that can wake it (stood in)
        QTest::addColumn<int>("manager");    // 0: none; 1: one without CAP_WAKE_ALARM; 2: one with it; 3: late
        QTest::addColumn<Route>("route");    // Kernel where this thread holds CAP_WAKE_ALARM
        QTest::addColumn<int>("minutes");    // to the moment armed
        QTest::newRow("kernel") << true << 0 << Route::Kernel << 60;
        QTest::newRow("kernel before the power manager") << true << 2 << Route::Kernel << 60;
        QTest::newRow("power manager") << true << 2 << Route::PowerManager << 60;
        QTest::newRow("power manager without the right") << true << 1 << Route::None << 60;
        QTest::newRow("no way") << true << 0 << Route::None << 60;
        QTest::newRow("a moment passed") << true << 0 << Route::Kernel << -1;
        QTest::newRow("no wake clock, both rights") << false << 2 << Route::None << 60;
        // It answers after 2.5 s: given up after 2, its wake is cleared when the answer comes.
        QTest::newRow("power manager answering late") << true << 3 << Route::PowerManager << 60;
    }

    void routes()
    {
        QFETCH(bool, wakeClock);
        QFETCH(int, manager);
        QFETCH(Route, route);
        QFETCH(int, minutes);
        const bool late = manager == 3;
        if (!wakeClock && WakeCapability::machineCanWake())
            QSKIP("this machine has a clock that can wake it");
        WakeCapability::standInWakeClock(wakeClock);
        if (!WakeCapability::set(route == Route::Kernel || !wakeClock, manager >= 2))
            QSKIP("this user may not be given CAP_WAKE_ALARM");
        // The minutes left on each alarm timer.
        const auto alarmTimers = [] {
            QList<int> left;
            for (const int seconds : WakeCapability::alarmTimers())
                left << (seconds + 30) / 60;
            return left;
        };
        // A first look before the power manager has come up: arming looks again.
        const QDBusConnection bus = DBusMock::privateBus(QDBusConnection::SessionBus);
        std::optional<SystemWakeAlarm> alarm(std::in_place, bus);
        QSignalSpy found(&*alarm, &WakeAlarm::routeFound), armed(&*alarm, &WakeAlarm::armed),
            failed(&*alarm, &WakeAlarm::armFailed);
        alarm->findRoute();
        QTRY_COMPARE(found.size(), 1);
        found.clear();
        // Without a power manager the mock serves another name. It calls back at once, as after the wake.
        const QString pm = QStringLiteral("org.kde.Solid.PowerManagement");
        const DBusMock::SessionService mock(manager ? pm : "org.somnelle.None", "/org/kde/Solid/PowerManagement", pm);
        const QString callsBack = QStringLiteral("%1self.connection.call_async(*args[:2], 'org.kde.PowerManagement', "
                                                 "'wakeupCallback', 'i', [7], lambda l=self.call_log: l.append((0, "
                                                 "'accepted', [])), print); ret = 7")
                                      .arg(late ? "__import__('time').sleep(2.5); " : "");
        mock.mock().addMethod(pm, "scheduleWakeup", "sot", "u", callsBack);
        mock.mock().addMethod(pm, "clearWakeup", "i", "", "");
        const QDateTime at = QDateTime::currentDateTime().addSecs(60 * minutes);
        const QString scheduled = QStringLiteral("scheduleWakeup %1 %2 %3")
                                      .arg(bus.baseService(), SystemWakeAlarm::CallbackPath)
                                      .arg(at.toSecsSinceEpoch());
        // The manager's calls: armed, called back and cleared; or cleared as the late answer comes.
        const bool byManager = route == Route::PowerManager;
        QStringList once;
        if (byManager)
            once << scheduled << (late ? QStringList() : QStringList {"accepted"}) << "clearWakeup 7";
        const QList<int> timer = route == Route::Kernel && minutes > 0 ? QList<int> {minutes} : QList<int>();
        alarm->arm(at);
        QTRY_COMPARE(armed.size() + failed.size(), 1);
        QCOMPARE(found, QList<QVariantList>({{QVariant::fromValue(route)}}));
        QCOMPARE(alarm->isArmed(), route != Route::None && minutes > 0 && !late);
        QCOMPARE(alarmTimers(), timer);
        alarm->disarm();
        QCOMPARE(alarmTimers(), QList<int>());
        QTRY_COMPARE(mock.mock().calls(), once);
        // Armed again and destroyed: while armed, or while the late one is being armed.
        alarm->arm(at);
        if (late)
            QTRY_COMPARE(mock.mock().calls(), once + QStringList {scheduled});
        else
            QTRY_COMPARE(armed.size() + failed.size(), 2);
        QCOMPARE(alarmTimers(), timer);
        alarm.reset();
        QCOMPARE(alarmTimers(), QList<int>());
        QTRY_COMPARE(mock.mock().calls(), once + once);
    }
};

QTEST_MAIN(WakeAlarmTest)
#include "test_wakealarm.moc"
