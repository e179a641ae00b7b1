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
        QTest::addColumn<int>("manager"); // 0: none; 1: one without CAP_WAKE_ALARM; 2: one with it
        QTest::addColumn<Route>("route"); // Kernel where this thread holds CAP_WAKE_ALARM
        QTest::addColumn<int>("minutes"); // to the moment armed
        QTest::newRow("kernel") << 0 << Route::Kernel << 60;
        QTest::newRow("kernel before the power manager") << 2 << Route::Kernel << 60;
        QTest::newRow("power manager") << 2 << Route::PowerManager << 60;
        QTest::newRow("power manager without the right") << 1 << Route::None << 60;
        QTest::newRow("no way") << 0 << Route::None << 60;
        QTest::newRow("a moment passed") << 0 << Route::Kernel << -1;
    }

    void routes()
    {
        QFETCH(int, manager);
        QFETCH(Route, route);
        QFETCH(int, minutes);
        if (!WakeCapability::set(route == Route::Kernel, manager == 2))
            QSKIP("this user may not be given CAP_WAKE_ALARM");
        // The minutes left on each alarm timer.
        const auto alarmTimers = [] {
            QList<int> left;
            for (const int seconds : WakeCapability::alarmTimers())
                left << (seconds + 30) / 60;
            return left;
        };
        // Without a power manager the mock serves another name. It calls back at once, as after the wake.
        const QString pm = QStringLiteral("org.kde.Solid.PowerManagement");
        const DBusMock::SessionService mock(manager ? pm : "org.somnelle.None", "/org/kde/Solid/PowerManagement", pm);
        const char *callsBack = "self.connection.call_async(*args[:2], 'org.kde.PowerManagement', 'wakeupCallback', "
                                "'i', [7], lambda l=self.call_log: l.append((0, 'accepted', [])), print); ret = 7";
        mock.mock().addMethod(pm, "scheduleWakeup", "sot", "u", callsBack);
        mock.mock().addMethod(pm, "clearWakeup", "i", "", "");
        const QDBusConnection bus = DBusMock::privateBus(QDBusConnection::SessionBus);
        const QDateTime at = QDateTime::currentDateTime().addSecs(60 * minutes);
        const QString scheduled = QStringLiteral("scheduleWakeup %1 %2 %3")
                                      .arg(bus.baseService(), SystemWakeAlarm::CallbackPath)
                                      .arg(at.toSecsSinceEpoch());
        const QStringList calls {scheduled, "accepted", "clearWakeup 7", scheduled, "clearWakeup 7"};
        const QList<int> timer = route == Route::Kernel && minutes > 0 ? QList<int> {minutes} : QList<int>();
        std::optional<SystemWakeAlarm> alarm(std::in_place, bus);
        QSignalSpy found(&*alarm, &WakeAlarm::routeFound), armed(&*alarm, &WakeAlarm::armed),
            failed(&*alarm, &WakeAlarm::armFailed);
        alarm->findRoute();
        alarm->arm(at);
        QTRY_COMPARE(armed.size() + failed.size(), 1);
        QCOMPARE(found, QList<QVariantList>({{QVariant::fromValue(route)}}));
        QCOMPARE(alarm->isArmed(), route != Route::None && minutes > 0);
        QCOMPARE(alarmTimers(), timer);
        alarm->disarm();
        QCOMPARE(alarmTimers(), QList<int>());
        QTRY_COMPARE(mock.mock().calls(), calls.mid(0, route == Route::PowerManager ? 3 : 0));
        // Armed again and destroyed: while armed (the kernel's) or being armed (the manager's).
        alarm->arm(at);
        QCOMPARE(alarmTimers(), timer);
        alarm.reset();
        QCOMPARE(alarmTimers(), QList<int>());
        QTRY_COMPARE(mock.mock().calls(), calls.mid(0, route == Route::PowerManager ? 5 : 0));
    }
};

QTEST_MAIN(WakeAlarmTest)
#include "test_wakealarm.moc"
