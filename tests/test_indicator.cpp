// SPDX-License-Identifier: MIT
// The panel indicator through a StatusNotifierWatcher of the test's own
// (python3-dbusmock) on the private session bus, read as a panel reads it:
// the item comes with a night and goes with it, whatever the panel does;
// its picture, tool tip and menu follow the night, and its menu acts; Show
// brings the window back under a window manager with desktops.

#include <QElapsedTimer>
#include <QtTest>

#include "dbusmock.h"
#include "programrig.h"

class IndicatorTest : public QObject {
    Q_OBJECT

    // A panel's calls, on a connection of their own, answered by the program's event loop meanwhile.
    QDBusConnection panel_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "panel");

    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(item_, path, interface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = panel_.asyncCall(message, 5000);
        [[maybe_unused]] const bool done = QTest::qWaitFor([&pending] { return pending.isFinished(); }, 6000);
        return pending.reply();
    }
    template <typename T>
    T itemProperty(const QString &name)
    {
        const QDBusMessage reply = call("/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                                        {"org.kde.StatusNotifierItem", name});
        return qdbus_cast<T>(reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>());
    }
    // The menu's visible entries by label, with their ids.
    QMap<QString, int> menu()
    {
        const QDBusMessage reply = call("/MenuBar", "com.canonical.dbusmenu", "GetLayout", {0, -1, QStringList()});
        QMap<QString, int> entries;
        for (const DBusMenuEntry &entry : qdbus_cast<DBusMenuEntry>(reply.arguments().value(1)).children)
            if (entry.properties.value("visible").toBool())
                entries.insert(entry.properties.value("label").toString(), entry.id);
        return entries;
    }
    void click(const QString &label)
    {
        call("/MenuBar", "com.canonical.dbusmenu", "Event",
             {menu().value(label), "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
    }
    // What the night shows in the panel now: picture (the alarm clock or not), tool tip, menu.
    QString showing()
    {
        const bool alarmClock
            = itemProperty<PanelIcon>("IconPixmap").value(0).argb == TrayIndicator::drawIcon(true, 0).value(0).argb;
        return QStringList({alarmClock ? "alarm clock" : "night", itemProperty<PanelToolTip>("ToolTip").title,
                            menu().keys().join(',')})
            .join(" | ");
    }

    // The desktop's watcher, which takes every item it is told of. As a real
    // one, it can answer before it takes its well-known name.
    static std::unique_ptr<DBusMock::SessionService> watcher()
    {
        const QString name = "org.kde.StatusNotifierWatcher";
        auto watcher
            = std::make_unique<DBusMock::SessionService>("org.somnelle.TestWatcher", "/StatusNotifierWatcher", name);
        watcher->mock().addMethod(name, "RegisterStatusNotifierItem", "s", "", "");
        watcher->mock().addMethod(name, "Appear", "", "",
                                  "import dbus.service; self.name = dbus.service.BusName('" + name
                                      + "', self.connection)");
        QDBusInterface(watcher->mock().service, watcher->mock().path, name, watcher->mock().bus).call("Appear");
        watcher->mock().clearCalls();
        return watcher;
    }
    // Waits for the item's registration with the watcher, and learns its name.
    bool registered(const DBusMock::SessionService &watcher)
    {
        const bool told = QTest::qWaitFor([&] { return !watcher.mock().calls(QDBus::BlockWithGui).isEmpty(); }, 2000);
        item_ = watcher.mock().calls(QDBus::BlockWithGui).value(0).section(' ', 1);
        return told && item_.startsWith("org.kde.StatusNotifierItem-");
    }

    static void start(ProgramRig &w, const char *words)
    {
        w.mixer.level = 65535;
        Q_EMIT w.window.opening();
        const HandOverAnswer answer = w.app.handOver(Invocation::parse(QString(words).split(' ')), {});
        QCOMPARE(answer.outcome, HandOverAnswer::Applied);
    }
    static QString xdotool(const QString &arguments)
    {
        QProcess xdotool;
        xdotool.start("xdotool", arguments.split(' '));
        xdotool.waitForFinished();
        return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
    }

    QString item_;
    int newToolTips_ = 0;

private slots:
    void aPanelHoldsNothingUp_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << "none" << false;
        QTest::newRow("there") << "there" << true;
        QTest::newRow("hung") << "hung" << false;
        QTest::newRow("comes mid-night") << "later" << true;
        QTest::newRow("restarted mid-night") << "restarted" << true;
    }
    // A start, and each second of the night, take no time, whatever the panel
    // does; a panel that comes later gets the item within two seconds.
    void aPanelHoldsNothingUp()
    {
        QFETCH(QString, panel);
        QFETCH(bool, shown);
        std::unique_ptr<DBusMock::SessionService> desktop = panel == "none" ? nullptr : watcher();
        if (panel == "hung")
            desktop->hang(true);
        if (panel == "later")
            desktop.reset();
        ProgramRig w(QDBusConnection::sessionBus());
        QElapsedTimer taken;
        taken.start();
        start(w, "30 sd");
        qint64 longest = taken.restart();
        for (int second = 0; second < 30; ++second, taken.restart()) {
            w.clock.advance(1);
            QCoreApplication::processEvents();
            longest = qMax(longest, taken.elapsed());
        }
        // A call held by the panel would take the bus's time-out, seconds; a
        // loaded machine alone may take a few hundred milliseconds.
        QVERIFY2(longest < 1000, qPrintable(QString::number(longest)));
        if (panel == "restarted")
            QVERIFY(registered(*desktop));
        if (panel == "later" || panel == "restarted")
            desktop = watcher();
        QCOMPARE(desktop && panel != "hung" && registered(*desktop), shown);
        QCOMPARE(w.clock.advance(1800), 1770);
        QCOMPARE(w.power.calls.last(), "powerOff");
    }

    void theNightShows_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("expected");
        const QString fade = "Add 15 minutes,Cancel the timer,Show Somnelle";
        const QString running = "Cancel the timer,Show Somnelle";
        QTest::newRow("fading") << "2 sd" << 0 << "night | 100 % - ends at 22:02, then shutdown | " + fade;
        QTest::newRow("a shutdown ends") << "1 sd" << -1 << "night | The fade is over | " + running;
        QTest::newRow("a suspend ends") << "1 sm" << -1 << "night | The fade is over | " + running;
        QTest::newRow("waiting") << "1 am 07:30 tm 40 gone.mid" << 60 << "alarm clock | Wake-up at 07:30 | " + running;
        QTest::newRow("sounding") << "1 am 22:01 td 40 gone.mid" << 60
                                  << "alarm clock | The wake-up is sounding | Show Somnelle,Silence the alarm";
    }
    // Seconds -1: as the computer is left, once the fade is over.
    void theNightShows()
    {
        QFETCH(QString, words);
        QFETCH(int, seconds);
        QFETCH(QString, expected);
        const auto desktop = watcher();
        ProgramRig w(QDBusConnection::sessionBus());
        QString ending;
        w.awake.onRelease = [&] { ending = showing(); };
        start(w, qPrintable(words));
        QVERIFY(registered(*desktop));
        w.clock.advance(seconds < 0 ? 60 : seconds);
        QCOMPARE(seconds < 0 ? ending : showing(), expected);
    }

    // Its tool tip follows the fade, at most every ten seconds; its menu acts.
    void aNightsMenuActs()
    {
        const auto desktop = watcher();
        ProgramRig w(QDBusConnection::sessionBus());
        start(w, "2 sd");
        QVERIFY(registered(*desktop));
        QVERIFY(panel_.connect(item_, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "NewToolTip", this,
                               SLOT(newToolTip())));
        for (int second = 0; second < 60; ++second) {
            w.clock.advance(1);
            QCoreApplication::processEvents();
        }
        // From full over two minutes, a step of 547 a second: 32715 after a minute.
        QTRY_COMPARE(itemProperty<PanelToolTip>("ToolTip").title, QString("49 % - ends at 22:02, then shutdown"));
        QVERIFY2(newToolTips_ >= 3 && newToolTips_ <= 60 / 10, qPrintable(QString::number(newToolTips_)));
        click("Add 15 minutes");
        QTRY_COMPARE(w.app.status(), QString("fading 49 %, ends at 22:17, then shutdown"));
        click("Cancel the timer");
        QTRY_COMPARE(w.app.status(), QString("idle"));
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(item_));
    }

    void showBringsTheWindowBack_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("minimised");
        for (const char *way : {"left click", "Show Somnelle", "second start"}) {
            QTest::addRow("%s, minimised", way) << way << true;
            QTest::addRow("%s, on another desktop", way) << way << false;
        }
    }
    // Back on the desktop being shown, restored and active.
    void showBringsTheWindowBack()
    {
        QFETCH(QString, way);
        QFETCH(bool, minimised);
        xdotool("set_desktop 0");
        const auto desktop = watcher();
        ProgramRig w(QDBusConnection::sessionBus());
        const QString window = QString::number(w.window.winId());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        start(w, "30 sd");
        QVERIFY(registered(*desktop));
        if (minimised)
            w.window.showMinimized();
        else
            xdotool("set_desktop 1");
        QTRY_VERIFY(w.window.isMinimized() == minimised && xdotool("getactivewindow") != window);
        if (way == "left click")
            call("/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate", {0, 0});
        else if (way == "Show Somnelle")
            click(way);
        else
            QCOMPARE(w.app.handOver(Invocation::parse({}), QString()).outcome, HandOverAnswer::Applied);
        QTRY_COMPARE(xdotool("getactivewindow"), window);
        QCOMPARE(xdotool("get_desktop_for_window " + window), xdotool("get_desktop"));
        QVERIFY(!w.window.isMinimized());
    }

public slots:
    void newToolTip() { ++newToolTips_; }
};

QTEST_MAIN(IndicatorTest)
#include "test_indicator.moc"
