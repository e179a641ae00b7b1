// SPDX-License-Identifier: MIT
// When the alarm rings: the next time the clock reads the chosen hour and
// minute, on a driven wall clock and on the real one.

#include <QtTest>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

#include "fakes.h"
#include "session/alarmwait.h"
#include "platform/clockformat.h"
#include "platform/systemclock.h"

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
        QTest::addColumn<int>("earliestDay");
        QTest::addColumn<QDateTime>("rings");

        QTest::newRow("later today") << at(10, 6, 45) << QTime(7, 30) << 10 << at(10, 7, 30);
        QTest::newRow("passed today: tomorrow, not an hour later")
            << at(10, 7, 45) << QTime(7, 30) << 10 << at(11, 7, 30);
        QTest::newRow("tomorrow") << at(10, 23, 10) << QTime(7, 30) << 11 << at(11, 7, 30);
        QTest::newRow("tomorrow, not tonight") << at(10, 23, 10) << QTime(23, 50) << 11 << at(11, 23, 50);
        QTest::newRow("tomorrow, the fade ended after midnight")
            << at(11, 0, 15) << QTime(7, 30) << 11 << at(11, 7, 30);
        QTest::newRow("tomorrow, passed before the fade ended") << at(11, 0, 40) << QTime(0, 10) << 11 << at(12, 0, 10);
        QTest::newRow("the clock reads it now") << at(10, 7, 30, 40) << QTime(7, 30) << 10 << at(10, 7, 30, 40);
        QTest::newRow("seconds of the picker do not count")
            << at(10, 7, 29, 59) << QTime(7, 30, 50) << 10 << at(10, 7, 30);
        QTest::newRow("midnight, tomorrow") << at(10, 22, 0) << QTime(0, 0) << 11 << at(11, 0, 0);
        QTest::newRow("in the daylight-saving gap") << at(28, 23, 0) << QTime(2, 30) << 28 << at(29, 3, 0);
        QTest::newRow("the hour after the gap") << at(28, 23, 0) << QTime(3, 15) << 28 << at(29, 3, 15);
        // On 2026-10-25 the clock goes from 03:00 summer time back to 02:00: 02:00 to 02:59 come twice.
        const auto october = [](int hourUtc, int minute) {
            return QDateTime(QDate(2026, 10, 25), QTime(hourUtc, minute), Qt::UTC).toLocalTime();
        };
        QTest::newRow("repeated hour, its first time")
            << october(0, 30).addSecs(-40 * 60) << QTime(2, 30) << 25 << october(0, 30);
        QTest::newRow("repeated hour, its second time") << october(0, 35) << QTime(2, 30) << 25 << october(1, 30);
        QTest::newRow("after the repeated hour") << october(1, 35) << QTime(2, 50) << 25 << october(1, 50);
    }

    void nextAlarmTime()
    {
        QFETCH(QDateTime, fadeEnds);
        QFETCH(QTime, alarm);
        QFETCH(int, earliestDay);
        QFETCH(QDateTime, rings);
        QCOMPARE(AlarmWait::nextAlarmTime(fadeEnds, alarm,
                                          QDate(fadeEnds.date().year(), fadeEnds.date().month(), earliestDay)),
                 rings);
    }

    // A time of day for people, as each locale writes it: one format, with or without the seconds.
    void clockFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        const char *rows[][3] = {{"C", "22:01", "22:01:48"},
                                 {"en_US", "10:01 PM", "10:01:48 PM"},
                                 {"fi_FI", "22.01", "22.01.48"},
                                 {"fr_CA", "22 h 01", "22 h 01 min 48 s"},
                                 {"zh_TW", "下午10:01", "下午10:01:48"}};
        for (const auto &[locale, minutes, seconds] : rows)
            QTest::newRow(locale) << QString::fromUtf8(locale) << QString::fromUtf8(minutes)
                                  << QString::fromUtf8(seconds);
    }

    void clockFormats()
    {
        QFETCH(QString, locale);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        const QLocale written(locale);
        const QTime time(22, 1, 48);
        QCOMPARE(written.toString(time, ClockFormat::hoursAndMinutes(written)), minutes);
        QCOMPARE(written.toString(time, ClockFormat::withSeconds(written)), seconds);
    }

    void waitLooksEveryMinuteAndCatchesJumps()
    {
        FakeClock clock;
        clock.now = at(10, 22, 0);
        AlarmWait wait(clock);
        QSignalSpy rang(&wait, &AlarmWait::due);
        wait.start(at(11, 7, 30));
        QCOMPARE(clock.runUntil(at(11, 7, 29)), 9 * 60 + 29);
        QCOMPARE(rang.size(), 0);
        // A resume (or a clock set) past the alarm: it rings at once, not a day late.
        clock.jumpTo(at(11, 9, 0));
        QCOMPARE(rang.size(), 1);
        QVERIFY(!clock.waking());

        // A clock set back does not ring early; stop ends the wait for good.
        wait.start(at(11, 10, 0));
        clock.jumpTo(at(11, 8, 0));
        QVERIFY(clock.waking());
        wait.stop();
        clock.runUntil(at(12, 0, 0));
        QCOMPARE(rang.size(), 1);
    }

    void realWakeFiresOnTheWallClock()
    {
        // Read on the wall clock: a clock stepped meanwhile moves the wake with it.
        SystemClock clock;
        const qint64 due = QDateTime::currentMSecsSinceEpoch() + 300;
        QSignalSpy woke(&clock, &Clock::wakeDue);
        clock.wakeAfter(300);
        QVERIFY(woke.wait(5000));
        QVERIFY(QDateTime::currentMSecsSinceEpoch() >= due);
        clock.wakeAfter(200);
        clock.stopWake();
        QVERIFY(!woke.wait(400));
    }

    void realWakeFiresWhenItsTimerfdCannotBeSet()
    {
        SystemClock clock;
        // The wake's timerfd is the clock's second, so the highest-numbered one.
        int wakeFd = -1;
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString &fd : fds.entryList(QDir::System))
            if (QFileInfo(fds, fd).symLinkTarget().endsWith(QLatin1String("[timerfd]")))
                wakeFd = qMax(wakeFd, fd.toInt());
        // A pipe in its place: setting it fails, and reading it finds nothing.
        int pipeFds[2];
        QVERIFY(pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) == 0 && dup2(pipeFds[0], wakeFd) == wakeFd);
        QSignalSpy woke(&clock, &Clock::wakeDue);
        clock.wakeAfter(200);
        QVERIFY(woke.wait(5000));
        close(pipeFds[0]);
        close(pipeFds[1]);
    }
};

QTEST_MAIN(AlarmTest)
#include "test_alarm.moc"
