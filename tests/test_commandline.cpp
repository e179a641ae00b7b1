// SPDX-License-Identifier: MIT
// The command line: its number and time conversions, and the setup a start
// command line makes.

#include <QRandomGenerator>
#include <QtTest>

#include "settings/commandline.h"
#include "settings/invocation.h"
#include "settings/setup.h"

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // Scripts read --status: --help lists every line it can print.
    void helpListsEveryStatus()
    {
        const QString help = CommandLine::help(QString());
        for (const char *line : {"idle", "fading 37 %, ends at 23:47, then shutdown", " (dry run)", "ending",
                                 "waiting for the wake-up at 07:30", "; the computer sleeps until then",
                                 "wake-up sounding", "not running"})
            QVERIFY2(help.contains(QLatin1String(line)), line);
    }

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
        QCOMPARE(CommandLine::wholeNumber(text), ok ? std::optional<qint32>(number) : std::nullopt);
    }

    // The same words in every locale, whatever its own clock looks like.
    void timesOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time"); // invalid: refused
        const std::pair<const char *, QTime> rows[] = {{"7", QTime(7, 0)},
                                                       {"07:30", QTime(7, 30)},
                                                       {"23:59:59.999", QTime(23, 59, 59, 999)},
                                                       {" 7 : 30 : 05 ", QTime(7, 30, 5)},
                                                       {"7 PM", QTime(19, 0)},
                                                       {"pm 7:15", QTime(19, 15)},
                                                       {"7:30 PM", QTime(19, 30)},
                                                       {"12 am", QTime(0, 0)},
                                                       {"12:30 PM", QTime(12, 30)},
                                                       {"24:00", QTime()},
                                                       {"7:60", QTime()},
                                                       {"13 PM", QTime()},
                                                       {"0 AM", QTime()},
                                                       {"7:30x", QTime()},
                                                       {"AM 7 PM", QTime()},
                                                       {"", QTime()},
                                                       {"7:", QTime()},
                                                       {"7.30", QTime()},
                                                       {"19:45:10,5", QTime()},
                                                       {"7:30:00.1000", QTime()},
                                                       {"-7", QTime()}};
        for (const char *locale : {"C", "en_US", "de_DE", "fi_FI", "da_DK"})
            for (const auto &[text, time] : rows)
                QTest::addRow("%s, \"%s\"", locale, text) << QString::fromUtf8(text) << time;
    }

    void timesOfDay()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QLocale::setDefault(QLocale(QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(','), 0, 0)));
        QCOMPARE(CommandLine::timeOfDay(text), time.isValid() ? std::optional<QTime>(time) : std::nullopt);
        QLocale::setDefault(QLocale::c());
    }

    void randomTextsNeverCrashTheParsers()
    {
        QRandomGenerator random(20261207);
        const QString alphabet = QStringLiteral("0123456789:.,+-$xXaAmMpP \t\x01\xe4");
        int accepted = 0;
        for (int i = 0; i < 200000; ++i) {
            QString text;
            for (int n = random.bounded(12); n > 0; --n)
                text += alphabet[random.bounded(int(alphabet.size()))];
            accepted += CommandLine::wholeNumber(text).has_value();
            const std::optional<QTime> time = CommandLine::timeOfDay(text);
            QVERIFY(!time || time->isValid());
            accepted += time.has_value();
        }
        QVERIFY(accepted > 0);
    }

    // The words fill a setup that starts as a new window's; the ones that convert stay.
    void startCommandLines_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("alarm"); // time, day, percent, file as set
        using Outcome = CommandLine::Outcome;
        const QStringList untouched {"10:21:48", "td", "", "europe.mid"};
        QTest::newRow("30 sd") << QStringList {"30", "sd"} << int(Outcome::Start) << "30" << int(EndAction::PowerOff)
                               << untouched;
        QTest::newRow("05 sm") << QStringList {"05", "sm"} << int(Outcome::Start) << "5" << int(EndAction::Suspend)
                               << untouched;
        QTest::newRow("0 sd: for the session to refuse")
            << QStringList {"0", "sd"} << int(Outcome::Start) << "0" << int(EndAction::PowerOff) << untouched;
        QTest::newRow("-5 sd: the same") << QStringList {"-5", "sd"} << int(Outcome::Start) << "-5"
                                         << int(EndAction::PowerOff) << untouched;
        QTest::newRow("120 sd: three characters") << QStringList {"120", "sd"} << int(Outcome::InvalidParameters) << ""
                                                  << int(EndAction::PowerOff) << untouched;
        QTest::newRow("30 xx") << QStringList {"30", "xx"} << int(Outcome::InvalidParameters) << "30"
                               << int(EndAction::Alarm) << untouched;
        QTest::newRow("empty minutes") << QStringList {"", "sd"} << int(Outcome::InvalidParameters) << ""
                                       << int(EndAction::PowerOff) << untouched;
        QTest::newRow("registry: the setup as it is")
            << QStringList {"registry"} << int(Outcome::Start) << "" << int(EndAction::Alarm) << untouched;
        QTest::newRow("no words") << QStringList {} << int(Outcome::Nothing) << "" << int(EndAction::Alarm)
                                  << untouched;
        QTest::newRow("a whole alarm") << QStringList {"45", "am", "7:30 pm", "tm", "$A", "my tune.mid"}
                                       << int(Outcome::Start) << "45" << int(EndAction::Alarm)
                                       << QStringList {"19:30:00", "tm", "10", "my tune.mid"};
        QTest::newRow("an unquoted name with a blank: one word too many")
            << QStringList {"45", "am", "07:30", "tm", "40", "my", "tune.mid"} << int(Outcome::InvalidParameters)
            << "45" << int(EndAction::Alarm) << QStringList {"07:30:00", "tm", "40", "my"};
        QTest::newRow("30 sd 07:30: a word too many")
            << QStringList {"30", "sd", "07:30"} << int(Outcome::InvalidParameters) << "30" << int(EndAction::PowerOff)
            << untouched;
        QTest::newRow("with the track: an action, no minutes")
            << QStringList {"--end-with-track", "sd"} << int(Outcome::Start) << "" << int(EndAction::PowerOff)
            << untouched;
        QTest::newRow("with the track: a whole alarm")
            << QStringList {"--end-with-track", "am", "07:30", "tm", "40", "x.mid"} << int(Outcome::Start) << ""
            << int(EndAction::Alarm) << QStringList {"07:30:00", "tm", "40", "x.mid"};
        QTest::newRow("with the track: minutes are a word too many")
            << QStringList {"--end-with-track", "30", "sd"} << int(Outcome::InvalidParameters) << ""
            << int(EndAction::Alarm) << untouched;
        QTest::newRow("registry 45: a word too many")
            << QStringList {"registry", "45"} << int(Outcome::InvalidParameters) << "" << int(EndAction::Alarm)
            << untouched;
        QTest::newRow("five words: reported, but kept")
            << QStringList {"30", "am", "07:30", "tm", "40"} << int(Outcome::InvalidParameters) << "30"
            << int(EndAction::Alarm) << QStringList {"07:30:00", "tm", "40", "europe.mid"};
    }

    void startCommandLines()
    {
        QFETCH(QStringList, words);
        QFETCH(int, outcome);
        QFETCH(QString, minutes);
        QFETCH(int, action);
        QFETCH(QStringList, alarm);
        Setup setup;
        setup.wakeUpTime = QTime(10, 21, 48);
        const Invocation asked = Invocation::parse(words);
        QCOMPARE(int(CommandLine::apply(asked.words, setup, asked.endWithTrack)), outcome);
        QCOMPARE(setup.endWithTrack, asked.endWithTrack);
        QCOMPARE(setup.minutes, minutes);
        QCOMPARE(setup.endAction, EndAction(action));
        QCOMPARE(QStringList({setup.wakeUpTime.toString(QStringLiteral("HH:mm:ss")),
                              setup.tomorrow ? QStringLiteral("tm") : QStringLiteral("td"), setup.wakeUpPercent,
                              setup.startFile}),
                 alarm);
    }
};

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"
