// SPDX-License-Identifier: MIT
// One Somnelle per desktop session: this test's program owns the name on a
// private session bus, and the real program, started as a user would, asks it
// (--status, --extend, --cancel) or hands its command line over.

#include <QDBusConnection>
#include <QProcess>
#include <QtTest>

#include "app/instanceservice.h"
#include "dbusmock.h"
#include "fakes.h"
#include "session/desktopnotifications.h"
#include "session/launcherentry.h"

class InstanceTest : public QObject {
    Q_OBJECT

    QList<std::pair<QString, QVariantMap>> updates_;

    struct Rig : FakePlatform {
        Somnelle app {platform};
        InstanceService service {app};
        explicit Rig(const QString &state)
        {
            mixer.level = 65535;
            Q_EMIT app.form().opening();
            app.form().setMinutesText(state == QLatin1String("waiting") ? QStringLiteral("1") : QStringLiteral("60"));
            app.form().setChoiceChecked(state == QLatin1String("waiting") ? SetupView::AlarmMode : SetupView::Shutdown,
                                        true);
            app.form().setWakeUpVolumeText(QStringLiteral("40"));
            app.form().setAlarmDateTime(QDateTime(QDate(2006, 6, 13), QTime(7, 30)));
            if (state != QLatin1String("idle"))
                Q_EMIT app.form().startCancelClicked();
            if (state == QLatin1String("waiting"))
                clock.advance(60);
            QDBusConnection bus = QDBusConnection::sessionBus();
            QVERIFY(bus.registerService(InstanceService::Name) && service.publish(bus));
        }
        ~Rig()
        {
            QDBusConnection::sessionBus().unregisterObject(InstanceService::Path);
            QDBusConnection::sessionBus().unregisterService(InstanceService::Name);
        }
    };

    // The real program with these arguments, while this one's event loop answers it.
    static std::pair<int, QString> run(const QStringList &arguments)
    {
        QProcess program;
        program.start(QStringLiteral(SOMNELLE_PROGRAM), arguments);
        for (int waited = 0; program.state() != QProcess::NotRunning && waited < 20000; waited += 20)
            QTest::qWait(20);
        const QString said = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
        return {program.exitCode(), said.trimmed().section(QLatin1Char('\n'), -1)};
    }

private Q_SLOTS:
    void commandsAndSecondStarts_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("after");
        QTest::newRow("status, idle") << "idle" << QStringList {"--status"} << 0 << "idle"
                                      << "idle";
        QTest::newRow("status, fading") << "fading" << QStringList {"--status"} << 0
                                        << "fading 100 %, ends at 23:00, then shutdown"
                                        << "fading 100 %, ends at 23:00, then shutdown";
        QTest::newRow("status, waiting") << "waiting" << QStringList {"--status"} << 0
                                         << "waiting for the wake-up at 07:30"
                                         << "waiting for the wake-up at 07:30";
        QTest::newRow("extend, fading") << "fading" << QStringList {"--extend", "$F"} << 0 << ""
                                        << "fading 100 %, ends at 23:15, then shutdown";
        QTest::newRow("extend, waiting") << "waiting" << QStringList {"--extend", "15"} << 1
                                         << "the fade is over; waiting for the wake-up"
                                         << "waiting for the wake-up at 07:30";
        QTest::newRow("extend, idle") << "idle" << QStringList {"--extend", "15"} << 1 << "no fade is running"
                                      << "idle";
        QTest::newRow("extend, out of range")
            << "fading" << QStringList {"--extend", "100"} << 2 << "usage: somnelle --extend MINUTES (1 to 99)"
            << "fading 100 %, ends at 23:00, then shutdown";
        QTest::newRow("cancel, waiting") << "waiting" << QStringList {"--cancel"} << 0 << ""
                                         << "idle";
        QTest::newRow("second start, idle: its command line starts here")
            << "idle" << QStringList {"30", "sd"} << 0 << ""
            << "fading 100 %, ends at 22:30, then shutdown";
        QTest::newRow("second start, fading: refused")
            << "fading" << QStringList {"30", "sd"} << 1
            << "a session is already running: fading 100 %, ends at 23:00, then shutdown; use --cancel or --extend"
            << "fading 100 %, ends at 23:00, then shutdown";
        QTest::newRow("second start without arguments raises the window") << "idle" << QStringList {} << 0 << ""
                                                                          << "idle";
    }

    void commandsAndSecondStarts()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(QString, after);
        Rig r(state);
        QCOMPARE(run(arguments), std::make_pair(exitCode, said));
        QCOMPARE(r.app.session().describe(), after);
        QCOMPARE(r.settings.writes, int(state != QLatin1String("idle") || after != QLatin1String("idle")));
    }

    void extendedFadeGoesOnEvenlyToItsNewEnd()
    {
        Rig r(QStringLiteral("fading"));
        r.clock.advance(1800);
        const quint16 level = r.app.volume().level();
        QCOMPARE(r.app.session().extend(15), QString());
        QCOMPARE(r.app.form().statusText(), QStringLiteral("Fading until 23:15"));
        QList<quint16> levels {level};
        r.mixer.writes.clear();
        QCOMPARE(r.clock.advance(3 * 3600), 45 * 60);
        // Down by the same step each second, from where it stood, to 0 by the end.
        const quint16 step = quint16(level / (45 * 60) + 1);
        for (qsizetype i = 0; i < r.mixer.writes.size(); ++i)
            QCOMPARE(r.mixer.writes[i], quint16(qMax(0, level - int(step) * int(i + 1))));
        QCOMPARE(r.mixer.writes.last(), quint16(0));
    }

    // The warning through a notification server (python3-dbusmock's), and
    // without one: nothing blocks.
    void warningOnTheDesktop()
    {
        const QDBusConnection bus = DBusMock::privateBus(QDBusConnection::SessionBus);
        const QString service = QStringLiteral("org.freedesktop.Notifications");
        QProcess daemon;
        daemon.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                      QStringLiteral("notification_daemon")});
        QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered(service), 10000);
        const DBusMock::Mock mock {bus, service, QStringLiteral("/org/freedesktop/Notifications")};
        DesktopNotifications warning(bus);
        std::optional<EndWarning::Action> chosen;
        warning.show(QStringLiteral("The computer will shut down in 1 minute"), QStringLiteral("At 23:47."), 60000,
                     [&chosen](EndWarning::Action action) { chosen = action; });
        QTRY_COMPARE(mock.calls().value(0).section(QLatin1Char(' '), 0, 0), QStringLiteral("Notify"));
        // The actions and the desktop entry's hint, as the server got them.
        const QDBusArgument list
            = mock.control().call(QStringLiteral("GetCalls")).arguments().value(0).value<QDBusArgument>();
        quint64 time;
        QString method;
        QVariantList arguments;
        list.beginArray();
        list.beginStructure();
        list >> time >> method >> arguments;
        QCOMPARE(arguments.value(5).toStringList(), QStringList({"cancel", "Cancel", "extend", "+15 minutes"}));
        QCOMPARE(qdbus_cast<QVariantMap>(arguments.value(6)).value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("org.somnelle.Somnelle"));
        QVERIFY(mock.calls().value(0).startsWith(QStringLiteral(
            "Notify Somnelle 0 org.somnelle.Somnelle The computer will shut down in 1 minute At 23:47.")));
        QVERIFY(mock.calls().value(0).endsWith(QStringLiteral(" 60000")));
        for (const auto &[key, action] :
             {std::pair {"extend", EndWarning::Action::Extend}, std::pair {"cancel", EndWarning::Action::Cancel}}) {
            chosen.reset();
            mock.control().call(QStringLiteral("EmitSignal"), service, QStringLiteral("ActionInvoked"),
                                QStringLiteral("us"), QVariantList {1u, QString::fromLatin1(key)});
            QTRY_COMPARE(chosen, std::optional<EndWarning::Action>(action));
        }
        warning.withdraw();
        QTRY_VERIFY(mock.calls().contains(QStringLiteral("CloseNotification 1")));

        daemon.kill();
        daemon.waitForFinished();
        QTRY_VERIFY(!bus.interface()->isServiceRegistered(service));
        QElapsedTimer elapsed;
        elapsed.start();
        warning.show(QStringLiteral("nobody"), QString(), 1000, [](EndWarning::Action) {});
        warning.withdraw();
        QVERIFY(elapsed.elapsed() < 100);
    }

    void progressOnTheTaskBar()
    {
        QDBusConnection bus = DBusMock::privateBus(QDBusConnection::SessionBus);
        QVERIFY(bus.connect(QString(), QStringLiteral("/org/somnelle/Somnelle/LauncherEntry"),
                            QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"), this,
                            SLOT(launcherUpdated(QString, QVariantMap))));
        LauncherEntry entry(bus);
        entry.show(0.25, 45);
        entry.clear();
        QTRY_COMPARE(updates_.size(), 2);
        QCOMPARE(updates_[0].first, QStringLiteral("application://org.somnelle.Somnelle.desktop"));
        QCOMPARE(updates_[0].second.value(QStringLiteral("progress")).toDouble(), 0.25);
        QCOMPARE(updates_[0].second.value(QStringLiteral("count")).toLongLong(), 45);
        QVERIFY(updates_[0].second.value(QStringLiteral("progress-visible")).toBool());
        QVERIFY(updates_[0].second.value(QStringLiteral("count-visible")).toBool());
        QVERIFY(!updates_[1].second.value(QStringLiteral("progress-visible")).toBool());
        QVERIFY(!updates_[1].second.value(QStringLiteral("count-visible")).toBool());
    }

    void launcherUpdated(const QString &app, const QVariantMap &properties) { updates_ << std::pair {app, properties}; }

    void nothingRunning()
    {
        for (const QString &option : {QStringLiteral("--status"), QStringLiteral("--cancel")})
            QCOMPARE(run({option}), std::make_pair(3, QStringLiteral("not running")));
    }
};

QTEST_MAIN(InstanceTest)
#include "test_instance.moc"
