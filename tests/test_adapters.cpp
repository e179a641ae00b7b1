// SPDX-License-Identifier: MIT
// Each adapter of the desktop's and the system's D-Bus services against
// python3-dbusmock services of the test's own on the private session bus,
// which answer at once, late, with an error, die before answering or are not
// there. The sleep lock's last way is the mock logind on the private system
// bus, for its lock is a file descriptor that ends with our hold on it.

#include <QElapsedTimer>
#include <QtTest>
#include <memory>

#include "dbusmock.h"
#include "platform/desktopnotifications.h"
#include "platform/logindpower.h"
#include "platform/mprisplayers.h"
#include "platform/sleepinhibitor.h"

namespace {

using Service = std::unique_ptr<DBusMock::SessionService>;

// A row's service: none when it is "absent".
Service service(const QString &how, const QString &name, const QString &path, const QString &interface)
{
    return how == QLatin1String("absent") ? nullptr : std::make_unique<DBusMock::SessionService>(name, path, interface);
}

// The code of a mock's method that answers as a row says: at once (""),
// "late" (after 3 s, past our 2 s time-outs), "later" (6 s, past 5 s),
// "refuses", "refuses mutely" (an error without a message) or "dies" first.
QString code(const QString &how, const QString &ret = QString())
{
    static const QHash<QString, QString> ways {
        {"late", "__import__('time').sleep(3); "},
        {"later", "__import__('time').sleep(6); "},
        {"refuses", "raise dbus.exceptions.DBusException('not for you', name='org.example.NotAllowed'); "},
        {"refuses mutely", "raise dbus.exceptions.DBusException(name='org.example.NotAllowed'); "},
        {"dies", "__import__('os')._exit(1); "}};
    return ways.value(how) + ret;
}

// What a service that died has seen, as DBusMock::Mock::calls() tells.
const QString Gone = QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown");

// What the adapters wrote to standard error in this row.
QStringList written;
QtMessageHandler testLog = nullptr;
void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Somnelle: ")))
        written << message;
    testLog(type, context, message);
}

} // namespace

class AdaptersTest : public QObject {
    Q_OBJECT

    const QDBusConnection session_ = DBusMock::privateBus(QDBusConnection::SessionBus);

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(record); }
    void init() { written.clear(); }

    void power_data()
    {
        QTest::addColumn<QString>("action"); // logind's method; both are asked about
        QTest::addColumn<QString>("can");    // the answer to both questions
        QTest::addColumn<QString>("how");    // logind answers the action so, or is "absent"
        QTest::addColumn<QString>("answer"); // "resumed", the reason refused() gives, or none
        QTest::addColumn<QStringList>("said");
        const QString nobody = QStringLiteral("Message recipient disconnected from message bus without replying");
        const QString absent = QStringLiteral("The name org.freedesktop.login1 was not provided by any .service files");
        const QString unknown = absent + " (" + Gone + ")";
        const QString refused = QStringLiteral("Somnelle: %1 refused: %2");
        const QString will = QStringLiteral("Somnelle: the system will not let this user power off (\"%1\")");
        // clang-format off
        QTest::newRow("suspended and back") << "Suspend" << "yes" << "" << "resumed" << QStringList();
        QTest::newRow("back later than a question may take") << "Suspend" << "yes" << "later" << "resumed" << QStringList();
        QTest::newRow("suspend refused") << "Suspend" << "challenge" << "refuses" << "not for you"
            << QStringList {refused.arg("suspend", "not for you (org.example.NotAllowed)")};
        QTest::newRow("powered off; a word on the chosen action only") << "PowerOff" << "na" << "" << ""
            << QStringList {will.arg("na")};
        QTest::newRow("refused without a message: its name") << "PowerOff" << "no" << "refuses mutely"
            << "org.example.NotAllowed" << QStringList {will.arg("no"), refused.arg("power-off", " (org.example.NotAllowed)")};
        QTest::newRow("logind gone while suspending") << "Suspend" << "yes" << "dies" << nobody
            << QStringList {refused.arg("suspend", nobody + " (org.freedesktop.DBus.Error.NoReply)")};
        QTest::newRow("no logind") << "Suspend" << "yes" << "absent" << absent
            << QStringList {"Somnelle: cannot ask whether the computer may suspend: " + unknown, refused.arg("suspend", unknown)};
        // clang-format on
    }

    void power()
    {
        QFETCH(QString, action);
        QFETCH(QString, can);
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QFETCH(QStringList, said);
        // On the session bus, where the test's own logind may die.
        const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
        const Service logind = service(how, "org.freedesktop.login1", "/org/freedesktop/login1", manager);
        if (logind) {
            for (const char *question : {"CanPowerOff", "CanSuspend"})
                logind->mock().addMethod(manager, question, "", "s", QStringLiteral("ret = '%1'").arg(can));
            logind->mock().addMethod(manager, action, "b", "", code(how));
        }
        LogindPower power(session_);
        QSignalSpy resumed(&power, &Power::resumed), refused(&power, &Power::refused);
        const bool suspend = action == QLatin1String("Suspend");
        power.probePowerActions(suspend ? EndAction::Suspend : EndAction::PowerOff);
        suspend ? power.suspend() : power.powerOff();
        // A power-off carried out has no answer: a second is given for a wrong one.
        QCOMPARE((answer == QLatin1String("resumed") ? resumed : refused).wait(answer.isEmpty() ? 1000 : 10000),
                 !answer.isEmpty());
        QCOMPARE(resumed.size() + refused.size(), int(!answer.isEmpty()));
        QCOMPARE(refused.value(0).value(0).toString(), answer == QLatin1String("resumed") ? QString() : answer);
        QCOMPARE(written, said);
        // Never interactive: nobody is awake to answer polkit.
        if (how.isEmpty())
            QCOMPARE(logind->mock().calls().last(), action + " false");
    }

    void awake_data()
    {
        QTest::addColumn<QString>("gnome");        // the GNOME session manager's Inhibit answers so, or "absent"
        QTest::addColumn<QString>("manager");      // the same of the freedesktop power manager
        QTest::addColumn<bool>("logind");          // on the private system bus; else there is no system bus
        QTest::addColumn<QStringList>("held");     // what the services have seen once it is held; none: let go at once
        QTest::addColumn<QStringList>("released"); // and once it is given back
        QTest::addColumn<QStringList>("said");
        const QString why = QStringLiteral("A sleep timer is running and its alarm must ring");
        // Flags 4: suspend only; the screen may still blank.
        const QString gnome = "gnome Inhibit org.somnelle.Somnelle 0 " + why + " 4";
        const QString gnomeBack = QStringLiteral("gnome Uninhibit 42");
        const QString manager = "manager Inhibit org.somnelle.Somnelle " + why;
        const QString managerBack = QStringLiteral("manager UnInhibit 42");
        const QString noBus = QStringLiteral("Not connected to D-Bus server (org.freedesktop.DBus.Error.Disconnected)");
        const QStringList none;
        // clang-format off
        QTest::newRow("GNOME's first") << "" << "" << true << QStringList {gnome} << QStringList {gnome, gnomeBack} << none;
        QTest::newRow("GNOME refuses: the power manager's") << "refuses" << "" << true << QStringList {gnome, manager}
            << QStringList {gnome, manager, managerBack} << none;
        QTest::newRow("GNOME gone while asked: the power manager's") << "dies" << "" << true
            << QStringList {"gnome " + Gone, manager} << QStringList {"gnome " + Gone, manager, managerBack} << none;
        QTest::newRow("GNOME late: the power manager's; GNOME's given back") << "late" << "" << true
            << QStringList {gnome, gnomeBack, manager} << QStringList {gnome, gnomeBack, manager, managerBack} << none;
        QTest::newRow("let go while GNOME is late: nothing more asked") << "late" << "" << true << none
            << QStringList {gnome, gnomeBack} << none;
        QTest::newRow("no desktop's: logind's") << "absent" << "absent" << true << QStringList {"logind sleep Somnelle block"}
            << none << none;
        QTest::newRow("no way at all") << "absent" << "refuses" << false << QStringList {manager} << QStringList {manager}
            << QStringList {"Somnelle: cannot keep the computer awake: " + noBus};
        // clang-format on
    }

    void awake()
    {
        QFETCH(QString, gnome);
        QFETCH(QString, manager);
        QFETCH(bool, logind);
        QFETCH(QStringList, held);
        QFETCH(QStringList, released);
        QFETCH(QStringList, said);
        const QString gnomeName = QStringLiteral("org.gnome.SessionManager");
        const QString managerName = QStringLiteral("org.freedesktop.PowerManagement");
        const QString managerInterface = managerName + ".Inhibit";
        const Service gnomeService = service(gnome, gnomeName, "/org/gnome/SessionManager", gnomeName);
        const Service managerService
            = service(manager, managerName, "/org/freedesktop/PowerManagement/Inhibit", managerInterface);
        if (gnomeService) {
            gnomeService->mock().addMethod(gnomeName, "Inhibit", "susu", "u", code(gnome, "ret = 42"));
            gnomeService->mock().addMethod(gnomeName, "Uninhibit", "u", "", "");
        }
        if (managerService) {
            managerService->mock().addMethod(managerInterface, "Inhibit", "ss", "u", code(manager, "ret = 42"));
            managerService->mock().addMethod(managerInterface, "UnInhibit", "u", "", "");
        }
        const auto seen = [&] {
            QStringList all;
            for (const auto &[who, mock] :
                 {std::pair {"gnome ", &gnomeService}, std::pair {"manager ", &managerService}})
                for (const QString &call : *mock ? (*mock)->mock().calls(QDBus::BlockWithGui) : QStringList())
                    all << who + call;
            for (const QString &lock : DBusMock::inhibitors())
                all << "logind " + lock;
            return all;
        };
        SleepInhibitor awake(session_,
                             logind ? DBusMock::privateBus(QDBusConnection::SystemBus)
                                    : QDBusConnection::connectToBus("unix:path=/nonexistent", "nowhere"));
        QSignalSpy given(&awake, &AwakeLock::released);
        awake.hold();
        if (!held.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(seen(), held, 10000);
        QTRY_COMPARE(written, said);
        awake.release();
        QTRY_COMPARE(given.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(seen(), released, 10000);
        QCOMPARE(given.size(), 1);
    }

    void players_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("canPause");
        QTest::addColumn<bool>("canControl");
        QTest::addColumn<QString>("how"); // its Pause answers so
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("withinMs"); // paused() after at most
        const QStringList none;
        const QStringList paused {"Pause"};
        // clang-format off
        QTest::newRow("paused: left alone") << "paused" << "Paused" << true << true << "" << none << 1000;
        QTest::newRow("cannot pause: left alone") << "stream" << "Playing" << false << true << "" << none << 1000;
        QTest::newRow("playerctld, a proxy for the others: left alone") << "playerctld" << "Playing" << true << true << ""
            << none << 1000;
        QTest::newRow("refuses: stopped") << "refusing" << "Playing" << true << true << "refuses"
            << QStringList {"Pause", "Stop"} << 1000;
        QTest::newRow("refuses, not to be controlled: left") << "fixed" << "Playing" << true << false << "refuses"
            << paused << 1000;
        QTest::newRow("late: nothing held up") << "slow" << "Playing" << true << true << "late"
            << paused << MprisPlayers::TimeoutMs + 500;
        QTest::newRow("gone while pausing") << "gone" << "Playing" << true << true << "dies" << QStringList {Gone} << 1000;
        // clang-format on
    }

    void players()
    {
        QFETCH(QString, name);
        QFETCH(QString, status);
        QFETCH(bool, canPause);
        QFETCH(bool, canControl);
        QFETCH(QString, how);
        QFETCH(QStringList, calls);
        QFETCH(int, withinMs);
        // Its Player properties and methods; PlayPause is never called.
        const auto player = [](const QString &called, const QVariantMap &properties, const QString &pause) {
            const QString interface = QStringLiteral("org.mpris.MediaPlayer2.Player");
            auto mock = service("", "org.mpris.MediaPlayer2." + called, "/org/mpris/MediaPlayer2", interface);
            for (const char *method : {"Pause", "Stop", "PlayPause"})
                mock->mock().addMethod(interface, method, "", "", method == QLatin1String("Pause") ? pause : "");
            mock->mock().control().call("AddProperties", interface, properties);
            return mock;
        };
        // Alongside, one that plays and pauses: each player is asked.
        const Service playing = player("playing", {{"PlaybackStatus", "Playing"}, {"CanPause", true}}, "");
        const Service other
            = player(name, {{"PlaybackStatus", status}, {"CanPause", canPause}, {"CanControl", canControl}}, code(how));
        MprisPlayers players(session_);
        QSignalSpy done(&players, &MediaPlayers::paused);
        QElapsedTimer elapsed;
        elapsed.start();
        players.pauseAll();
        QVERIFY(done.wait());
        QVERIFY2(elapsed.elapsed() < withinMs, qPrintable(QString::number(elapsed.elapsed())));
        QTest::qWait(500); // what goes out when a call times out has gone by now
        QCOMPARE(other->mock().calls(), calls);
        QCOMPARE(playing->mock().calls(), QStringList {"Pause"});
        QCOMPARE(done.size(), 1);
    }

    void warning_data()
    {
        QTest::addColumn<QString>("how");        // the server's Notify answers so, or it is "absent"
        QTest::addColumn<QStringList>("before"); // clicks, "id key", that the server sends before Notify's answer
        QTest::addColumn<QStringList>("after");  // and after it
        QTest::addColumn<QStringList>("chosen"); // the signals they give, in order
        QTest::addColumn<QStringList>("calls");  // of the server, once withdrawn
        const QString notify = QStringLiteral(
            "Notify Somnelle 0 org.somnelle.Somnelle The computer will shut down in 1 minute At 23:47. "
            "cancel,Cancel,extend,+15 minutes desktop-entry=org.somnelle.Somnelle,urgency=1 60000");
        const QStringList shownAndClosed {notify, "CloseNotification 7"};
        const QStringList none;
        // clang-format off
        // Only the buttons offered act: not "default" (a click on the body), another key or another's notification.
        QTest::newRow("answered") << "" << none << QStringList {"7 default", "7 other", "8 cancel", "7 extend", "7 cancel"}
            << QStringList {"extend", "cancel"} << shownAndClosed;
        // Past the old five seconds. Qt may hand over a click that follows the answer first: one before it waits.
        QTest::newRow("answered late: its id is learnt") << "later" << QStringList {"7 default", "7 cancel"}
            << QStringList {"7 extend"} << QStringList {"cancel", "extend"} << shownAndClosed;
        QTest::newRow("gone before answering") << "dies" << none << none << none << QStringList {Gone};
        QTest::newRow("no server") << "absent" << none << none << none << none;
        // clang-format on
    }

    void warning()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, calls);
        const QString name = QStringLiteral("org.freedesktop.Notifications");
        const Service server = service(how, name, "/org/freedesktop/Notifications", name);
        if (server) {
            QString clicks;
            for (const QString &click : before)
                clicks += QStringLiteral("self.EmitSignal('%1', 'ActionInvoked', 'us', [%2]); ")
                              .arg(name, click.section(' ', 0, 0) + ", '" + click.section(' ', 1) + "'");
            server->mock().addMethod(name, "Notify", "susssasa{sv}i", "u", code(how, clicks + "ret = 7"));
            server->mock().addMethod(name, "CloseNotification", "u", "", "");
        }
        DesktopNotifications warning(session_);
        QStringList acted;
        connect(&warning, &EndWarning::cancelRequested, [&acted] { acted << QStringLiteral("cancel"); });
        connect(&warning, &EndWarning::extendRequested, [&acted] { acted << QStringLiteral("extend"); });
        QElapsedTimer elapsed;
        elapsed.start();
        warning.show(QStringLiteral("The computer will shut down in 1 minute"), QStringLiteral("At 23:47."), 60000);
        // Held by the server, a call would take its time-out, seconds.
        QVERIFY(elapsed.elapsed() < 1000);
        // Each waits, as the server does one thing at a time, for Notify's answer.
        for (const QString &click : after)
            server->mock().control().call("EmitSignal", name, "ActionInvoked", "us",
                                          QVariantList {click.section(' ', 0, 0).toUInt(), click.section(' ', 1)});
        QTRY_COMPARE_WITH_TIMEOUT(acted, chosen, 10000);
        elapsed.restart();
        warning.withdraw();
        QVERIFY(elapsed.elapsed() < 1000);
        if (server)
            QTRY_COMPARE_WITH_TIMEOUT(server->mock().calls(), calls, 10000);
        QCOMPARE(acted, chosen);
    }
};

QTEST_MAIN(AdaptersTest)
#include "test_adapters.moc"
