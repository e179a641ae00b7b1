// SPDX-License-Identifier: MIT
// The panel indicator through a StatusNotifierWatcher of the test's own
// (python3-dbusmock) on the private session bus: the item comes with a
// session and goes with it, its tool tip follows the fade at most every ten
// seconds, and its menu acts. Without a watcher nothing fails.

#include <QProcess>
#include <QtTest>

#include "dbusmock.h"
#include "programrig.h"

class IndicatorTest : public QObject {
    Q_OBJECT

    // A call as a panel makes it, from a process of its own (the program answers
    // in its event loop, which runs meanwhile): gdbus's printed answer.
    static QString panelCall(const QString &item, const QString &path, const QString &method,
                             const QStringList &arguments = {})
    {
        QProcess gdbus;
        gdbus.start(QStringLiteral("gdbus"),
                    QStringList {"call", "--session", "-d", item, "-o", path, "-m", method, "--"} + arguments);
        [[maybe_unused]] const bool done
            = QTest::qWaitFor([&gdbus] { return gdbus.state() == QProcess::NotRunning; }, 10000);
        return QString::fromUtf8(gdbus.readAllStandardOutput());
    }

    // The tool tip's title: (icon name, pixmaps, title, text).
    static QString toolTip(const QString &item)
    {
        const QString got = panelCall(item, QStringLiteral("/StatusNotifierItem"),
                                      QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                                      {QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("ToolTip")});
        return QRegularExpression(QStringLiteral("\\], '([^']*)'")).match(got).captured(1);
    }

    // The menu's visible entries by label, with their ids.
    static QMap<QString, QString> menu(const QString &item)
    {
        const QString layout
            = panelCall(item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu.GetLayout"),
                        {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("@as []")});
        QMap<QString, QString> entries;
        for (const QRegularExpressionMatch &entry :
             QRegularExpression(QStringLiteral("\\((\\d+), \\{([^}]*)\\}")).globalMatch(layout)) {
            const QString properties = entry.captured(2);
            const QString label
                = QRegularExpression(QStringLiteral("'label': <'([^']*)'>")).match(properties).captured(1);
            if (!label.isEmpty() && !properties.contains(QStringLiteral("'visible': <false>")))
                entries.insert(label, entry.captured(1));
        }
        return entries;
    }

    static void click(const QString &item, const QString &id)
    {
        panelCall(item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu.Event"),
                  {id, QStringLiteral("clicked"), QStringLiteral("<0>"), QStringLiteral("0")});
    }

    // Told with plain calls: Qt keeps what it first learns of a path, and learns
    // it when it looks for the panel's host.
    static void mockCall(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                                           QStringLiteral("/StatusNotifierWatcher"),
                                                           QStringLiteral("org.freedesktop.DBus.Mock"), method);
        call.setArguments(arguments);
        QDBusConnection::sessionBus().call(call);
    }

private slots:
    void aNightInThePanel()
    {
        const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
        auto watcher = std::make_unique<DBusMock::SessionService>(watcherName, QStringLiteral("/StatusNotifierWatcher"),
                                                                  watcherName);
        mockCall(
            QStringLiteral("AddMethod"),
            {watcherName, QStringLiteral("RegisterStatusNotifierItem"), QStringLiteral("s"), QString(), QString()});
        mockCall(
            QStringLiteral("AddProperty"),
            {watcherName, QStringLiteral("IsStatusNotifierHostRegistered"), QVariant::fromValue(QDBusVariant(true))});
        ProgramRig w;
        w.mixer.level = 65535;
        Q_EMIT w.window.opening();
        w.f.shutdownChoice->click();
        QTest::keyClicks(w.f.minutesEdit, QStringLiteral("2"));
        QTest::mouseClick(w.f.startCancelButton, Qt::LeftButton);
        QTRY_VERIFY(watcher->mock().calls().value(0).startsWith(QStringLiteral("RegisterStatusNotifierItem ")));
        const QString item = watcher->mock().calls().value(0).section(QLatin1Char(' '), 1);
        QCOMPARE(toolTip(item), QStringLiteral("100 % - ends at 22:02, then shutdown"));

        // Its tool tip follows the fade, at most every ten seconds.
        QVERIFY(QDBusConnection::sessionBus().connect(item, QStringLiteral("/StatusNotifierItem"),
                                                      QStringLiteral("org.kde.StatusNotifierItem"),
                                                      QStringLiteral("NewToolTip"), this, SLOT(newToolTip())));
        for (int second = 0; second < 60; ++second) {
            w.clock.advance(1);
            QCoreApplication::processEvents();
        }
        // From full over two minutes, a step of 547 a second: 32715 after a minute.
        QTRY_COMPARE(toolTip(item), QStringLiteral("49 % - ends at 22:02, then shutdown"));
        QVERIFY2(newToolTips_ >= 3 && newToolTips_ <= 60 / 10, qPrintable(QString::number(newToolTips_)));

        // The menu: a quarter of an hour more, then Cancel; the item goes with the session.
        QCOMPARE(menu(item).keys(), QStringList({"Add 15 minutes", "Cancel the timer", "Show Somnelle"}));
        click(item, menu(item).value(QStringLiteral("Add 15 minutes")));
        QTRY_COMPARE(w.app.status(), QStringLiteral("fading 49 %, ends at 22:17, then shutdown"));
        click(item, menu(item).value(QStringLiteral("Cancel the timer")));
        QTRY_COMPARE(w.app.status(), QStringLiteral("idle"));
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(item));

        // Without a watcher a whole fade still ends as it should.
        watcher.reset();
        QTest::mouseClick(w.f.startCancelButton, Qt::LeftButton);
        QCOMPARE(w.clock.advance(3600), 120);
        QCOMPARE(w.power.calls.last(), QStringLiteral("powerOff"));
    }

public slots:
    void newToolTip() { ++newToolTips_; }

private:
    int newToolTips_ = 0;
};

QTEST_MAIN(IndicatorTest)
#include "test_indicator.moc"
