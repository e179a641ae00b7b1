// SPDX-License-Identifier: MIT
// One Somnelle per desktop session: this test's program owns the name on a
// private session bus, and the real program, started as a user would, asks it
// (--status, --extend, --cancel) or hands its command line over.

#include <QDBusConnection>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "app/instanceservice.h"
#include "app/somnelle.h"
#include "dbusmock.h"
#include "fakes.h"
#include "form.h"
#include "platform/desktopshell.h"
#include "platform/launcherentry.h"
#include "settings/inisettingsstore.h"
#include "settings/invocation.h"
#include "sessionrig.h"
#include "ui/mainwindow.h"

class InstanceTest : public QObject {
    Q_OBJECT

    QList<std::pair<QString, QVariantMap>> updates_;

    struct Rig : FakePlatform {
        MainWindow window;
        Somnelle app;
        Form f {window};
        InstanceService service {app};
        QTimer boxCloser;
        explicit Rig(const QString &state)
            : app(platform, window,
                  state == QLatin1String("after a dry run")      ? Invocation::parse({"--dry-run", "1", "sd"})
                      : state == QLatin1String("dry-run window") ? Invocation::parse({"--dry-run"})
                                                                 : Invocation())
        {
            mixer.level = 65535;
            Q_EMIT window.opening();
            const bool ringing = state == QLatin1String("sounding") || state == QLatin1String("opening");
            const bool alarm = ringing || state == QLatin1String("waiting");
            Setup setup = SessionRig::setup(alarm ? QStringLiteral("1") : QStringLiteral("60"),
                                            alarm ? EndAction::Alarm : EndAction::PowerOff, QStringLiteral("40"));
            setup.wakeUpTime = ringing ? QTime(22, 1) : QTime(7, 30);
            // Opening: a file that is there, whose program answers only when the test says.
            setup.startFile = state == QLatin1String("opening") ? QCoreApplication::applicationFilePath()
                                                                : QStringLiteral("gone.mid");
            shell.answersLater = state == QLatin1String("opening");
            if (state == QLatin1String("nothing stored"))
                settings.stored = Setup();
            // A three-minute track from its start, and where one fell asleep in it an hour ago.
            PlayingTrack played;
            played.player = QStringLiteral("org.mpris.MediaPlayer2.mpv");
            played.title = QStringLiteral("Nocturne");
            played.lengthUs = 180000000;
            played.playing = true;
            if (state.startsWith(QLatin1String("playing")))
                playing.track = played;
            // The player answers a moment after the hand-over asked, as a real one does.
            playing.answersLater = state == QLatin1String("playing, late");
            if (playing.answersLater)
                connect(&boxCloser, &QTimer::timeout, [this] { playing.answer(); });
            if (state == QLatin1String("noted"))
                settings.note
                    = TrackNote {played.player, QStringLiteral("mpv"), QStringLiteral("/1"),    played.title, QString(),
                                 90000000,      played.lengthUs,       clock.now.addSecs(-3600)};
            // The error box, which comes after the answer, is closed.
            settings.failWrites = state == QLatin1String("save fails");
            connect(&boxCloser, &QTimer::timeout, [] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->accept();
            });
            boxCloser.start(10);
            if (state == QLatin1String("edited")) {
                settings.stored = SessionRig::setup(QStringLiteral("20"), EndAction::Suspend);
                setup.minutes = QStringLiteral("77");
            }
            f.fill(setup);
            Q_EMIT window.firstActivated();
            const QStringList atRest {"idle",       "edited",  "dry-run window", "nothing stored",
                                      "save fails", "playing", "playing, late",  "noted"};
            if (!atRest.contains(state) && app.status() == QLatin1String("idle"))
                QTest::mouseClick(f.startCancelButton, Qt::LeftButton);
            clock.advance(state == QLatin1String("fading") ? 0 : 60);
            QDBusConnection bus = QDBusConnection::sessionBus();
            QVERIFY(bus.registerService(InstanceService::Name) && service.publish(bus));
        }
        ~Rig()
        {
            QDBusConnection::sessionBus().unregisterObject(InstanceService::Path);
            QDBusConnection::sessionBus().unregisterService(InstanceService::Name);
        }
    };

    // The real program with these arguments (a shell word list, for bytes that
    // are not UTF-8), from a folder, with or without a display, while this
    // one's event loop answers it; it must end.
    static std::pair<int, QString> run(const QStringList &arguments, const QString &shellWords = QString(),
                                       const QString &folder = QString(), bool display = true)
    {
        QProcess program;
        program.setWorkingDirectory(folder);
        if (!display) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(QLatin1String(variable));
            program.setProcessEnvironment(environment);
        }
        if (shellWords.isEmpty())
            program.start(QStringLiteral(SOMNELLE_PROGRAM), arguments);
        else
            program.start(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + shellWords, SOMNELLE_PROGRAM});
        for (int waited = 0; program.state() != QProcess::NotRunning && waited < 20000; waited += 20)
            QTest::qWait(20);
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
            return {-1, QStringLiteral("still running")};
        }
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
        const QString fading = QStringLiteral("fading 100 %, ends at 23:00, then shutdown");
        const QString waiting = QStringLiteral("waiting for the wake-up at 07:30");
        const QString refused = QStringLiteral("a session is already running: %1; use --cancel%2");
        const QString unknown = QStringLiteral("somnelle: unknown option %1; see somnelle --help");
        const QString alone = QStringLiteral("somnelle: %1 takes no other arguments");
        // clang-format off
        const std::tuple<const char *, const char *, QStringList, int, QString, QString> rows[] = {
            {"status, idle", "idle", {"--status"}, 0, "idle", "idle"},
            {"status, fading", "fading", {"--status"}, 0, fading, fading},
            {"status, waiting", "waiting", {"--status"}, 0, waiting, waiting},
            {"status, sounding", "sounding", {"--status"}, 0, "wake-up sounding", "wake-up sounding"},
            {"extend, fading", "fading", {"--extend", "$F"}, 0, "", "fading 100 %, ends at 23:15, then shutdown"},
            {"extend, waiting", "waiting", {"--extend", "15"}, 1, "the fade is over; waiting for the wake-up", waiting},
            {"extend, idle", "idle", {"--extend", "15"}, 1, "no fade is running", "idle"},
            {"extend, out of range", "fading", {"--extend", "100"}, 2, "usage: somnelle --extend MINUTES (1 to 99)", fading},
            {"cancel, waiting", "waiting", {"--cancel"}, 0, "", "idle"},
            {"cancel silences the wake-up", "sounding", {"--cancel"}, 0, "", "idle"},
            {"second start, idle: its command line starts here", "idle", {"30", "sd"}, 0, "",
             "fading 100 %, ends at 22:30, then shutdown"},
            {"second start, fading: refused", "fading", {"30", "sd"}, 1, refused.arg(fading, " or --extend"), fading},
            {"second start, waiting: refused, nothing to extend", "waiting", {"30", "sd"}, 1, refused.arg(waiting, ""),
             waiting},
            {"second start, sounding: silenced, then applied", "sounding", {"1", "sd"}, 0, "",
             "fading 40 %, ends at 22:02, then shutdown"},
            {"second start without arguments raises the window", "idle", {}, 0, "", "idle"},
            {"second start, invalid", "idle", {"30", "xx"}, 2, "Invalid parameters", "idle"},
            {"registry: the stored setup, not the window's", "edited", {"registry"}, 0, "",
             "fading 100 %, ends at 22:20, then suspend"},
            {"a dry run handed over stays one", "idle", {"--dry-run", "1", "sd"}, 0, "",
             "fading 100 %, ends at 22:01, then shutdown (dry run)"},
            {"after a dry run, a real start is real", "after a dry run", {"1", "sd"}, 0, "",
             "fading 0 %, ends at 22:02, then shutdown"},
            {"unknown option", "idle", {"--cancle"}, 2, unknown.arg("--cancle"), "idle"},
            {"unknown option with a value", "idle", {"--extend=5"}, 2, unknown.arg("--extend=5"), "idle"},
            {"status with a word", "fading", {"--status", "extra"}, 2, alone.arg("--status"), fading},
            {"help with a word", "idle", {"--help", "me"}, 2, alone.arg("--help"), "idle"},
            {"two options", "sounding", {"--cancel", "--status"}, 2, alone.arg("--cancel"), "wake-up sounding"},
            {"second start without arguments during a fade raises the window", "fading", {}, 0, "", fading},
            {"--dry-run alone makes the idle window a dry-run one", "idle", {"--dry-run"}, 0, "", "idle"},
            {"--dry-run alone while a night runs: refused", "fading", {"--dry-run"}, 1,
             refused.arg(fading, " or --extend"), fading},
            {"a word too many", "idle", {"30", "sd", "07:30"}, 2, "Invalid parameters", "idle"},
            {"a real start handed to a dry-run window is real", "dry-run window", {"1", "sd"}, 0, "",
             "fading 100 %, ends at 22:01, then shutdown"},
            {"handed over, 0 sd starts nothing", "idle", {"0", "sd"}, 2, "Set timer", "idle"},
            {"handed over, -5 sd starts nothing", "idle", {"-5", "sd"}, 2, "Set timer", "idle"},
            {"handed over, a wake-up volume of 0 starts nothing", "idle", {"1", "am", "07:30", "td", "0", "x.mid"}, 2,
             "Set volume", "idle"},
            {"handed over, registry with nothing stored starts nothing", "nothing stored", {"registry"}, 2,
             "Set timer", "idle"},
            {"a setup that cannot be saved: refused at once", "save fails", {"30", "sd"}, 1,
             "Failed to set data for 'Timer'", "idle"},
            {"cancel while the start file opens: nothing sounds", "opening", {"--cancel"}, 0, "", "idle"},
            {"a dash word", "idle", {"-x"}, 2, unknown.arg("-x"), "idle"},
            {"asleep until the alarm", "idle", {"--sleep-until-alarm", "1", "am", "07:30", "td", "40", "x.mid"}, 0, "",
             "fading 100 %, ends at 22:01, then the alarm"},
            {"handed over with the track", "playing", {"--end-with-track", "sd"}, 0, "",
             "fading 100 %, ends with the track at 22:03, then shutdown"},
            {"handed over with the track, the player late", "playing, late", {"--end-with-track", "sd"}, 0, "",
             "fading 100 %, ends with the track at 22:03, then shutdown"},
            {"with the track, nothing plays", "idle", {"--end-with-track", "sd"}, 2,
             "Nothing is playing: start the music first", "idle"},
            {"with the track, and minutes", "idle", {"--end-with-track", "registry"}, 2,
             "somnelle: --end-with-track goes with an action and no minutes, such as --end-with-track sd", "idle"},
            {"resume, nothing noted", "idle", {"--resume"}, 1, "Nothing to resume", "idle"},
            {"resume where one fell asleep", "noted", {"--resume"}, 0, "Playing \"Nocturne\" again from 1:30", "idle"},
            {"asleep with an alarm only", "idle", {"1", "sd", "--sleep-until-alarm"}, 2,
             "somnelle: --sleep-until-alarm goes with an alarm, such as --sleep-until-alarm 45 am 07:30 tm 40 europe.mid",
             "idle"}};
        // clang-format on
        for (const auto &[name, state, arguments, exitCode, said, after] : rows)
            QTest::newRow(name) << QString::fromLatin1(state) << arguments << exitCode << said << after;
    }

    void commandsAndSecondStarts()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(QString, after);
        Rig r(state);
        const int saved = r.settings.writes;
        QCOMPARE(run(arguments), std::make_pair(exitCode, said));
        if (r.shell.answersLater) // the desktop's program fails only now
            Q_EMIT r.shell.fileOpened(false);
        QCOMPARE(r.app.status(), after);
        QCOMPARE(r.chime.playing, after == QLatin1String("wake-up sounding"));
        QCOMPARE(r.f.sleepCheck->isChecked(), exitCode == 0 && arguments.contains("--sleep-until-alarm"));
        // Only a real session that starts here saves the setup.
        QCOMPARE(r.settings.writes - saved,
                 int(after.startsWith(QLatin1String("fading")) && state != "fading"
                     && !after.endsWith(QLatin1String("(dry run)"))));
        // A window opened as a dry run stays one, as does one asked for; a command line handed over makes
        // none. At rest it says so.
        r.app.cancelOrSilence();
        QCOMPARE(r.f.statusText() == QLatin1String("Dry run: the computer stays on"),
                 state == "after a dry run" || state == "dry-run window"
                     || (arguments == QStringList {"--dry-run"} && exitCode == 0));
    }

    // A name that is not UTF-8, typed as a relative name in its own folder,
    // keeps its bytes and its folder from the second start's arguments through
    // the hand-over, the settings file and "registry" to the desktop's handler.
    void startFileBytesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Latin-1") << QByteArray("caf\xe9.mid");
        QTest::newRow("stray, overlong and cut short") << QByteArray("a\x80\xc0\xaf\xe2\x82");
    }

    void startFileBytesRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        // In the test's private home, which goes with the test: Qt cannot remove such names itself.
        const QByteArray path = QFile::encodeName(QDir::homePath()) + '/' + bytes;
        QVERIFY(::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600)) == 0);
        QString octal;
        for (const char byte : bytes)
            octal += QStringLiteral("\\%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
        IniSettingsStore store;
        store.ensureSettingsFile();
        DesktopShell shell;
        Rig r(QStringLiteral("idle"));
        r.use(store).use(shell);
        QCOMPARE(run({}, QStringLiteral("1 am 22:01 td 40 \"$(printf '%1')\"").arg(octal), QDir::homePath()),
                 std::make_pair(0, QString()));
        r.app.cancelOrSilence();
        r.f.startFileEdit->clear();
        QTest::keyClicks(r.f.startFileEdit, QStringLiteral("elsewhere.mid"));
        QCOMPARE(run({QStringLiteral("registry")}), std::make_pair(0, QString()));
        r.clock.advance(60);
        QFile log(qEnvironmentVariable("SOMNELLE_TEST_XDG_OPEN_LOG"));
        QTRY_VERIFY(log.exists() && log.size() > 0);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray argument = log.readAll().trimmed().split('\n').last();
        QCOMPARE(QByteArray::fromPercentEncoding(argument.mid(int(strlen("file://")))), path);
        log.remove();
    }

    // Without a display (ssh, cron) a command line is handed over as from a
    // terminal; with nobody to take it, one line says so.
    void withoutADisplay_data()
    {
        QTest::addColumn<QString>("state"); // "none": no Somnelle runs
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("after");
        const QString fading = QStringLiteral("fading 100 %, ends at 23:00, then shutdown");
        // clang-format off
        const std::tuple<const char *, const char *, QStringList, int, QString, QString> rows[] = {
            {"a start line", "idle", {"5", "sd"}, 0, "", "fading 100 %, ends at 22:05, then shutdown"},
            {"a dry run", "idle", {"--dry-run", "5", "sd"}, 0, "", "fading 100 %, ends at 22:05, then shutdown (dry run)"},
            {"a plain start", "idle", {}, 0, "", "idle"},
            {"refused while a night runs", "fading", {"5", "sd"}, 1,
             "a session is already running: " + fading + "; use --cancel or --extend", fading},
            {"nobody to take it", "none", {"5", "sd"}, 1,
             "somnelle: no display to open a window on, and no Somnelle runs to hand the command line to", ""}};
        // clang-format on
        for (const auto &[name, state, arguments, exitCode, said, after] : rows)
            QTest::newRow(name) << QString::fromLatin1(state) << arguments << exitCode << said << after;
    }

    void withoutADisplay()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(QString, after);
        std::unique_ptr<Rig> r;
        if (state != QLatin1String("none"))
            r = std::make_unique<Rig>(state);
        QCOMPARE(run(arguments, QString(), QString(), false), std::make_pair(exitCode, said));
        QCOMPARE(r ? r->app.status() : QString(), after);
    }

    // A Somnelle that holds the name answers on it whatever its own command
    // line did; one that does not answer still runs, and no second one starts.
    void aStoppedSomnelleStillRuns()
    {
        QProcess first;
        first.start(QStringLiteral(SOMNELLE_PROGRAM), {QStringLiteral("30"), QStringLiteral("xx")});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(InstanceService::Name),
                                 10000);
        QCOMPARE(run({QStringLiteral("--status")}), std::make_pair(0, QStringLiteral("idle")));
        ::kill(pid_t(first.processId()), SIGSTOP);
        const auto resume = qScopeGuard([&first] {
            ::kill(pid_t(first.processId()), SIGCONT);
            first.terminate();
            first.waitForFinished();
        });
        QCOMPARE(run({QStringLiteral("3"), QStringLiteral("sm")}),
                 std::make_pair(1,
                                QStringLiteral("Somnelle (pid %1) runs but does not answer; nothing was started")
                                    .arg(first.processId())));
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

    // The program's own command line applies once, right after the first show: registry starts the stored setup.
    void ownCommandLineOnce()
    {
        FakePlatform fake;
        fake.settings.stored = SessionRig::setup(QStringLiteral("20"), EndAction::Suspend);
        MainWindow window;
        Somnelle app(fake.platform, window, Invocation::parse({QStringLiteral("registry")}));
        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(app.status(), QStringLiteral("fading 0 %, ends at 22:20, then suspend"));
        app.cancelOrSilence();
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&window, &activation);
        QCOMPARE(app.status(), QStringLiteral("idle"));
        QCOMPARE(fake.settings.writes, 1);
    }

    void nothingRunning()
    {
        // Help and version need no display.
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(variable);
        QCOMPARE(run({QStringLiteral("--version")}), std::make_pair(0, QStringLiteral("Somnelle 1.05")));
        for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("-help")})
            QCOMPARE(run({help}), std::make_pair(0, QStringLiteral("  --version  show the version")));
        for (const QString &option : {QStringLiteral("--status"), QStringLiteral("--cancel")})
            QCOMPARE(run({option}), std::make_pair(3, QStringLiteral("not running")));
        // Misuse opens no window.
        QCOMPARE(run({QStringLiteral("--cancle")}),
                 std::make_pair(2, QStringLiteral("somnelle: unknown option --cancle; see somnelle --help")));
    }
};

QTEST_MAIN(InstanceTest)
#include "test_instance.moc"
