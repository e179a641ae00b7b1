// When the alarm rings: the next time the clock reads the chosen hour and
// minute, on a driven wall clock and on the real one.

#include <QElapsedTimer>
#include <QtTest>
#include <ctime>

#include "fakes.h"
#include "session/alarmwait.h"
#include "session/systemclock.h"

class AlarmTest : public QObject {
    Q_OBJECT

    static QDateTime at(int day, int hour, int minute, int second = 0)
    {
        return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second));
    }

private slots:
    void initTestCase()
    {
        // Central Europe: on 2026-03-29 the clock jumps from 02:00 to 03:00.
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void nextAlarmTime_data()
    {
        QTest::addColumn<QDateTime>("fadeEnds");
        QTest::addColumn<QTime>("alarm");
        QTest::addColumn<bool>("tomorrow");
        QTest::addColumn<QDateTime>("rings");

        QTest::newRow("later today") << at(10, 6, 45) << QTime(7, 30) << false << at(10, 7, 30);
        QTest::newRow("passed today: tomorrow, not an hour later") << at(10, 7, 45) << QTime(7, 30) << false
                                                                   << at(11, 7, 30);
        QTest::newRow("tomorrow") << at(10, 23, 10) << QTime(7, 30) << true << at(11, 7, 30);
        QTest::newRow("tomorrow, not tonight") << at(10, 23, 10) << QTime(23, 50) << true << at(11, 23, 50);
        QTest::newRow("the clock reads it now") << at(10, 7, 30, 40) << QTime(7, 30) << false << at(10, 7, 30, 40);
        QTest::newRow("seconds of the picker do not count") << at(10, 7, 29, 59) << QTime(7, 30, 50) << false
                                                            << at(10, 7, 30);
        QTest::newRow("midnight, tomorrow") << at(10, 22, 0) << QTime(0, 0) << true << at(11, 0, 0);
        QTest::newRow("in the daylight-saving gap") << at(28, 23, 0) << QTime(2, 30) << false << at(29, 3, 0);
        QTest::newRow("the hour after the gap") << at(28, 23, 0) << QTime(3, 15) << false << at(29, 3, 15);
    }

    void nextAlarmTime()
    {
        QFETCH(QDateTime, fadeEnds);
        QFETCH(QTime, alarm);
        QFETCH(bool, tomorrow);
        QFETCH(QDateTime, rings);
        QCOMPARE(NextAlarmTime(fadeEnds, alarm, tomorrow), rings);
    }

    void waitLooksEveryMinuteAndCatchesJumps()
    {
        FakeClock clock;
        clock.now = at(10, 22, 0);
        AlarmWait wait(clock);
        int rang = 0;
        wait.start(at(11, 7, 30), [&rang] { ++rang; });
        QCOMPARE(clock.runUntil(at(11, 7, 29)), 9 * 60 + 29);
        QCOMPARE(rang, 0);
        // A resume (or a clock set) past the alarm: it rings at once, not a day late.
        clock.jumpTo(at(11, 9, 0));
        QCOMPARE(rang, 1);
        QVERIFY(!clock.waking());

        // A clock set back does not ring early; stop ends the wait for good.
        wait.start(at(11, 10, 0), [&rang] { ++rang; });
        clock.jumpTo(at(11, 8, 0));
        QVERIFY(clock.waking());
        wait.stop();
        clock.runUntil(at(12, 0, 0));
        QCOMPARE(rang, 1);
    }

    void realWakeFiresOnTheWallClock()
    {
        SystemClock clock;
        QElapsedTimer elapsed;
        elapsed.start();
        bool woke = false;
        clock.wakeAfter(300, [&woke] { woke = true; });
        QTRY_VERIFY_WITH_TIMEOUT(woke, 5000);
        QVERIFY(elapsed.elapsed() >= 290);
        woke = false;
        clock.wakeAfter(200, [&woke] { woke = true; });
        clock.stopWake();
        QTest::qWait(400);
        QVERIFY(!woke);
    }
};

QTEST_MAIN(AlarmTest)
#include "test_alarm.moc"
