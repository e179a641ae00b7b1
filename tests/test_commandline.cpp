// SPDX-License-Identifier: MIT
// The command line: its number and time conversions, and whole runs through
// the window on fakes of the platform.

#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include "app/somnelle.h"
#include "fakes.h"
#include "settings/commandline.h"
#include "settings/invocation.h"
#include "ui/mainwindow.h"

class CommandLineTest : public QObject {
    Q_OBJECT

    struct Rig : FakePlatform {
        Somnelle app;
        MainWindow &f = app.form();

        explicit Rig(const QStringList &arguments, const StoredSetup &stored = {})
            : app(platform, ParseInvocation(arguments))
        {
            settings.stored = stored;
            mixer.level = 30000;
            f.show();
            // Applied right after the show, whether or not the window is ever activated.
            QCoreApplication::processEvents();
        }
        bool started() { return app.session().isRunning(); }
    };

private slots:
    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("ok");
        const std::tuple<const char *, int, bool> rows[] = {{"05", 5, true},
                                                            {"99", 99, true},
                                                            {"  7", 7, true},
                                                            {"+5", 5, true},
                                                            {"-5", -5, true},
                                                            {"$A", 10, true},
                                                            {"xf", 15, true},
                                                            {"Xf", 15, true},
                                                            {"0x1F", 31, true},
                                                            {"0XaB", 171, true},
                                                            {"-$a", -10, true},
                                                            {"2147483647", 2147483647, true},
                                                            {"-2147483648", -2147483647 - 1, true},
                                                            {"2147483648", 0, false},
                                                            {"0x100000000", 0, false},
                                                            {"", 0, false},
                                                            {" ", 0, false},
                                                            {"$", 0, false},
                                                            {"0x", 0, false},
                                                            {"+", 0, false},
                                                            {"5 ", 0, false},
                                                            {"1a", 0, false},
                                                            {"+-1", 0, false},
                                                            {"- 1", 0, false},
                                                            {"$G", 0, false},
                                                            {"٣", 0, false}};
        for (const auto &[text, number, ok] : rows)
            QTest::newRow(text) << QString::fromUtf8(text) << number << ok;
    }

    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(bool, ok);
        QCOMPARE(WholeNumberFromText(text), ok ? std::optional<qint32>(number) : std::nullopt);
    }

    void timesOfDay_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time"); // invalid: refused
        const QLocale c = QLocale::c(), us(QLocale::English, QLocale::UnitedStates),
                      de(QLocale::German, QLocale::Germany), fi(QLocale::Finnish, QLocale::Finland);
        const std::tuple<const char *, QLocale, const char *, QTime> rows[]
            = {{"hour only", c, "7", QTime(7, 0)},
               {"minutes", c, "07:30", QTime(7, 30)},
               {"seconds and milliseconds", c, "23:59:59.999", QTime(23, 59, 59, 999)},
               {"blanks around the parts", c, " 7 : 30 : 05 ", QTime(7, 30, 5)},
               {"PM after", c, "7 PM", QTime(19, 0)},
               {"pm before", c, "pm 7:15", QTime(19, 15)},
               {"12 am is midnight", c, "12 am", QTime(0, 0)},
               {"12 PM is noon", us, "12:30 PM", QTime(12, 30)},
               {"us words", us, "7:30 am", QTime(7, 30)},
               {"German", de, "19:45", QTime(19, 45)},
               {"German decimal comma", de, "19:45:10,5", QTime(19, 45, 10, 5)},
               {"German with the letters", de, "7 PM", QTime(19, 0)},
               {"Finnish dot", fi, "7.30", QTime(7, 30)},
               {"24:00", c, "24:00", QTime()},
               {"7:60", c, "7:60", QTime()},
               {"13 PM", c, "13 PM", QTime()},
               {"0 AM", c, "0 AM", QTime()},
               {"trailing junk", c, "7:30x", QTime()},
               {"two markers", c, "AM 7 PM", QTime()},
               {"empty", c, "", QTime()},
               {"separator only", c, "7:", QTime()},
               {"wrong separator", de, "7.30", QTime()},
               {"milliseconds 1000", c, "7:30:00.1000", QTime()},
               {"a sign", c, "-7", QTime()}};
        for (const auto &[name, locale, text, time] : rows)
            QTest::newRow(name) << locale << QString::fromUtf8(text) << time;
    }

    void timesOfDay()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QCOMPARE(TimeOfDayFromText(text, locale), time.isValid() ? std::optional<QTime>(time) : std::nullopt);
    }

    void randomTextsNeverCrashTheParsers()
    {
        QRandomGenerator random(20261207);
        const QString alphabet = QStringLiteral("0123456789:.,+-$xXaAmMpP \t\x01\xe4");
        const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
        int accepted = 0;
        for (int i = 0; i < 200000; ++i) {
            QString text;
            for (int n = random.bounded(12); n > 0; --n)
                text += alphabet[random.bounded(int(alphabet.size()))];
            accepted += WholeNumberFromText(text).has_value();
            const std::optional<QTime> time = TimeOfDayFromText(text, locales[i % 2]);
            QVERIFY(!time || time->isValid());
            accepted += time.has_value();
        }
        QVERIFY(accepted > 0);
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("choice");
        QTest::newRow("30 sd") << QStringList {"30", "sd"} << true << "Fading until 22:30"
                               << "30" << int(SetupView::Shutdown);
        QTest::newRow("05 sm") << QStringList {"05", "sm"} << true << "Fading until 22:05"
                               << "5" << int(SetupView::SuspendMode);
        QTest::newRow("120 sd") << QStringList {"120", "sd"} << false << "Invalid parameters"
                                << "" << int(SetupView::Shutdown);
        QTest::newRow("30 xx") << QStringList {"30", "xx"} << false << "Invalid parameters"
                               << "30" << int(SetupView::AlarmMode);
        QTest::newRow("0 sd: the session refuses") << QStringList {"0", "sd"} << false << "Set timer"
                                                   << "0" << int(SetupView::Shutdown);
        QTest::newRow("-5 sd: the session refuses") << QStringList {"-5", "sd"} << false << "Set timer"
                                                    << "-5" << int(SetupView::Shutdown);
        QTest::newRow("empty minutes") << QStringList {"", "sd"} << false << "Invalid parameters"
                                       << "" << int(SetupView::Shutdown);
        QTest::newRow("registry, first run: both fields marked") << QStringList {"registry"} << false << "Set volume"
                                                                 << "" << int(SetupView::AlarmMode);
        QTest::newRow("no arguments") << QStringList {} << false << ""
                                      << "" << int(SetupView::AlarmMode);
        QTest::newRow("beyond the sixth ignored")
            << QStringList {"45", "am", "07:30", "tm", "40", "my tune.mid", "extra"} << true << "Fading until 22:45"
            << "45" << int(SetupView::AlarmMode);
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, started);
        QFETCH(QString, status);
        QFETCH(QString, minutes);
        QFETCH(int, choice);
        Rig r(arguments);
        QCOMPARE(r.started(), started);
        QCOMPARE(r.f.statusText(), status);
        QCOMPARE(r.f.minutesText(), minutes);
        QVERIFY(r.f.isChoiceChecked(SetupView::Choice(choice)));
        QCOMPARE(r.settings.writes, started ? 1 : 0);
    }

    void fullAlarmLineFillsEveryField()
    {
        Rig r({"45", "am", "7:30 pm", "tm", "$A", "my tune.mid"});
        QVERIFY(r.started());
        QCOMPARE(r.f.alarmDateTime().time(), QTime(19, 30));
        QCOMPARE(r.f.alarmDateTime().date(), QDate(2006, 6, 13)); // only the time of day changes
        QVERIFY(r.f.tomorrow());
        QCOMPARE(r.f.wakeUpVolumeText(), QStringLiteral("10"));
        QCOMPARE(r.f.startFile(), QStringLiteral("my tune.mid"));
    }

    void fiveArgumentsReportButKeepTheirFields()
    {
        Rig r({"30", "am", "07:30", "tm", "40"});
        QVERIFY(!r.started());
        QCOMPARE(r.f.statusText(), QStringLiteral("Invalid parameters"));
        QCOMPARE(r.f.minutesText(), QStringLiteral("30"));
        QVERIFY(r.f.isChoiceChecked(SetupView::AlarmMode));
        QCOMPARE(r.f.alarmDateTime().time(), QTime(7, 30));
        QVERIFY(r.f.tomorrow());
        QCOMPARE(r.f.wakeUpVolumeText(), QStringLiteral("40"));
        QCOMPARE(r.f.startFile(), QStringLiteral("europe.mid"));
    }

    void registryStartsTheStoredSessionOnce()
    {
        StoredSetup stored;
        stored.timer = QStringLiteral("20");
        stored.sd = false;
        stored.sm = true;
        stored.am = false;
        Rig r({"registry"}, stored);
        QVERIFY(r.started());
        QVERIFY(r.f.isChoiceChecked(SetupView::SuspendMode));
        QCOMPARE(r.app.session().step(), quint16(30000 / 1200 + 1));
        // A later activation, after Cancel, starts nothing again.
        Q_EMIT r.app.form().startCancelClicked();
        r.f.activateOnce();
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&r.f, &activation);
        QVERIFY(!r.started());
        QCOMPARE(r.settings.writes, 1);
    }

    void helpAndVersionNeedNoDisplay()
    {
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("--version")}) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(QString::fromLatin1(variable));
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/nonexistent/somnelle-test"));
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(SOMNELLE_PROGRAM), {option});
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitCode(), 0);
            const QString out = QString::fromUtf8(program.readAllStandardOutput());
            if (option == QLatin1String("--version")) {
                QCOMPARE(out, QStringLiteral("Somnelle 1.05\n"));
                continue;
            }
            for (const char *word : {"registry", "sd", "sm", "am", "tm", "td", "somnelle 30 sd"})
                QVERIFY2(out.contains(QLatin1String(word)), word);
        }
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"
