// SPDX-License-Identifier: MIT
// The end actions against python3-dbusmock's logind on the tests' own system
// bus, with the real mixer on the private PulseAudio server.

#include <QtTest>
#include <csignal>

#include "app/somnelle.h"
#include "app/unixsignals.h"
#include "audio/alsamixer.h"
#include "dbusmock.h"
#include "fakes.h"
#include "form.h"
#include "pactl.h"
#include "platform/logindpower.h"
#include "platform/sleepinhibitor.h"
#include "ui/mainwindow.h"

class PowerTest : public QObject {
    Q_OBJECT

    const QString manager_ = QStringLiteral("org.freedesktop.login1.Manager");

    struct Rig : FakePlatform {
        PulseSink sink;
        AlsaMixer mixer {"default", &sink};
        LogindPower power {DBusMock::privateBus(QDBusConnection::SystemBus)};
        SleepInhibitor awake {DBusMock::privateBus(QDBusConnection::SessionBus),
                              DBusMock::privateBus(QDBusConnection::SystemBus)};
        MainWindow window;
        Somnelle app {use(mixer).use(power).use(awake).platform, window};
        Form f {window};
        int ends = 0;

        // A minute's fade, then the action; an alarm at 23:00, at 40 %.
        explicit Rig(EndAction action)
        {
            Pactl::setSinkVolume(QStringLiteral("60%"));
            Pactl::setSinkMuted(false);
            Q_EMIT window.opening();
            (action == EndAction::PowerOff      ? f.shutdownChoice
                 : action == EndAction::Suspend ? f.suspendChoice
                                                : f.alarmChoice)
                ->click();
            QTest::keyClicks(f.minutesEdit, QStringLiteral("1"));
            QTest::keyClicks(f.wakeVolumeEdit, QStringLiteral("40"));
            f.alarmTimeEdit->setTime(QTime(23, 0));
            connect(&app, &Somnelle::ended, [this] { ++ends; });
        }
        void start() { f.startCancelButton->click(); }
        bool idle() { return app.status() == QLatin1String("idle"); }
    };

private slots:
    void initTestCase()
    {
        // While Somnelle holds nothing, logind's lock list is empty.
        QCOMPARE(DBusMock::inhibitors(), QStringList());
    }

    void init() { DBusMock::logind().clearCalls(); }

    void endActions_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("quits");
        QTest::addColumn<QString>("status");
        QTest::newRow("power off") << int(EndAction::PowerOff) << false << "PowerOff false" << 0 << "";
        QTest::newRow("power off refused")
            << int(EndAction::PowerOff) << true << "PowerOff false" << 0 << "Power-off refused: not for you";
        QTest::newRow("suspend") << int(EndAction::Suspend) << false << "Suspend false" << 1 << "";
        QTest::newRow("suspend refused") << int(EndAction::Suspend) << true << "Suspend false" << 0
                                         << "Suspend refused: not for you";
    }

    void endActions()
    {
        QFETCH(int, choice);
        QFETCH(bool, refused);
        QFETCH(QString, request);
        QFETCH(int, quits);
        QFETCH(QString, status);
        const DBusMock::Mock logind = DBusMock::logind();
        // The request notes how many locks logind still holds when it arrives.
        const QString method = request.section(QLatin1Char(' '), 0, 0);
        logind.addMethod(manager_, method, QStringLiteral("b"), QString(),
                         // A real suspend answers after the resume, seconds later.
                         QStringLiteral("self.log('locks at %1: %d' % len(globals().get('inhibitors', []))); "
                                        "import time; time.sleep(0.5)%2")
                             .arg(method,
                                  refused ? QStringLiteral("; raise dbus.exceptions.DBusException('not for you', "
                                                           "name='org.freedesktop.login1.NotAllowed')")
                                          : QString()));

        Rig r {EndAction(choice)};
        r.start();
        QTRY_VERIFY(logind.calls().contains(QStringLiteral("CanSuspend")));
        QVERIFY(logind.calls().contains(QStringLiteral("CanPowerOff")));
        QTRY_COMPARE(DBusMock::inhibitors(), QStringList({"sleep Somnelle block"}));

        r.clock.advance(60);
        QTest::qWait(200); // the fade's last requests reach the server while the computer goes to sleep
        QTRY_VERIFY(logind.calls().contains(request));
        QTRY_COMPARE(r.f.statusText(), status);
        QTRY_COMPARE(r.ends, quits);
        QVERIFY(r.idle());
        QCOMPARE(DBusMock::inhibitors(), QStringList());
        QFile log(QString::fromLocal8Bit(qgetenv("SOMNELLE_TEST_LOGIND_LOG")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(QStringLiteral("locks at %1: 0").arg(method).toUtf8()));
        // Left silent, and muted unless back from a suspend: then on again, at 0.
        QTRY_COMPARE(Pactl::sinkVolume(), 0);
        QTRY_COMPARE(Pactl::sinkMuted(), refused || method == QLatin1String("PowerOff"));
        logind.addMethod(manager_, method, QStringLiteral("b"), QString(), QString());
    }

    void signalsAndExitGiveTheSoundBack_data()
    {
        QTest::addColumn<int>("signal");  // 0: the Exit button
        QTest::addColumn<int>("seconds"); // of the 1-minute fade: 60 is the wait for the wake-up
        QTest::newRow("SIGTERM in the wait") << SIGTERM << 60;
        QTest::newRow("SIGINT in the wait") << SIGINT << 60;
        QTest::newRow("SIGHUP in the wait") << SIGHUP << 60;
        QTest::newRow("Exit in the wait") << 0 << 60;
        QTest::newRow("SIGTERM in the fade") << SIGTERM << 30;
    }

    void signalsAndExitGiveTheSoundBack()
    {
        QFETCH(int, signal);
        QFETCH(int, seconds);
        Rig r(EndAction::Alarm);
        const UnixSignals unixSignals;
        connect(&unixSignals, &UnixSignals::received, &r.app, &Somnelle::endBySignal);
        r.start();
        r.clock.advance(seconds);
        QTRY_COMPARE(DBusMock::inhibitors(), QStringList({"sleep Somnelle block"}));
        QTRY_COMPARE(Pactl::sinkMuted(), seconds == 60);
        const int level = Pactl::sinkVolume();
        if (signal)
            raise(signal);
        else
            QTest::mouseClick(r.f.exitButton, Qt::LeftButton);
        QTRY_COMPARE(r.ends, 1);
        // Ended as Cancel ends it: the level stays, the output is on, the lock is gone.
        QVERIFY(r.idle());
        QTRY_VERIFY(!Pactl::sinkMuted());
        QCOMPARE(Pactl::sinkVolume(), level);
        QTRY_COMPARE(DBusMock::inhibitors(), QStringList());
    }

    void lockHeldThroughTheWaitOnly()
    {
        for (const bool cancel : {true, false}) {
            Rig r(EndAction::Alarm);
            r.start();
            r.clock.advance(60);
            QVERIFY(r.app.status().startsWith(QLatin1String("waiting for the wake-up")));
            QTRY_COMPARE(DBusMock::inhibitors(), QStringList({"sleep Somnelle block"}));
            QTRY_VERIFY(Pactl::sinkMuted()); // the fade's end, before it is given back
            if (cancel)
                r.app.cancelOrSilence();
            else
                r.clock.runUntil(QDateTime(QDate(2026, 12, 7), QTime(23, 0)));
            QVERIFY(r.idle());
            QTRY_COMPARE(DBusMock::inhibitors(), QStringList());
            QCOMPARE(r.shell.files.size(), cancel ? 0 : 1);
            // The wave output is back either way; only the ring raises the volume.
            QTRY_VERIFY(!Pactl::sinkMuted());
            QTRY_COMPARE(Pactl::sinkVolume(), cancel ? 0 : qRound(26214 * 65536.0 / 65535.0));
        }
        // Nothing but the lock was asked of logind for an alarm.
        const QStringList calls = DBusMock::logind().calls();
        QVERIFY(!calls.contains(QStringLiteral("PowerOff false")) && !calls.contains(QStringLiteral("Suspend false")));
    }
};

QTEST_MAIN(PowerTest)
#include "test_power.moc"
