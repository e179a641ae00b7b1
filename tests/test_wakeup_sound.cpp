// A quiet night and a wake-up that is heard: media players on the tests'
// private session bus are paused, and the chime reaches the private sound
// server when the start file cannot play.

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <cmath>

#include "app/somnelle.h"
#include "audio/alsachime.h"
#include "audio/alsamixer.h"
#include "dbusmock.h"
#include "fakes.h"
#include "pactl.h"
#include "session/desktopshell.h"
#include "session/mprisplayers.h"
#include "ui/tform1.h"

class WakeUpSoundTest : public QObject {
    Q_OBJECT

    // A player of the test's own: its Player properties and methods that answer at once.
    static std::unique_ptr<DBusMock::SessionService> player(const QString &name, const QString &status, bool canPause,
                                                            const QString &pauseCode = QString())
    {
        auto mock = std::make_unique<DBusMock::SessionService>(QStringLiteral("org.mpris.MediaPlayer2.") + name,
                                                               QStringLiteral("/org/mpris/MediaPlayer2"),
                                                               QStringLiteral("org.mpris.MediaPlayer2.Player"));
        const QString interface = QStringLiteral("org.mpris.MediaPlayer2.Player");
        for (const QString &method : {QStringLiteral("Pause"), QStringLiteral("Stop"), QStringLiteral("PlayPause")})
            mock->mock().addMethod(interface, method, QString(), QString(),
                                   method == QLatin1String("Pause") ? pauseCode : QString());
        QDBusInterface control = mock->mock().control();
        QVariantMap properties {{QStringLiteral("PlaybackStatus"), status},
                                {QStringLiteral("CanPause"), canPause},
                                {QStringLiteral("CanControl"), true}};
        const QDBusMessage reply = control.call(QStringLiteral("AddProperties"), interface, properties);
        if (reply.type() == QDBusMessage::ErrorMessage)
            qWarning() << reply.errorMessage();
        return mock;
    }

    // Records the null sink's monitor for a while and gives the loudness (RMS of
    // 16-bit samples); parec takes a moment to deliver its first samples.
    static double loudness(int milliseconds)
    {
        QProcess parec;
        parec.start(QStringLiteral("parec"), {QStringLiteral("--device=somnelle_test.monitor"), QStringLiteral("--raw"),
                                              QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                              QStringLiteral("--rate=8000"), QStringLiteral("--latency-msec=20")});
        parec.waitForStarted();
        QElapsedTimer waited;
        waited.start();
        while (parec.bytesAvailable() == 0 && waited.elapsed() < 3000)
            parec.waitForReadyRead(100);
        parec.readAllStandardOutput(); // the start of the recording, before we listen
        QTest::qWait(milliseconds);
        parec.terminate();
        parec.waitForFinished();
        const QByteArray data = parec.readAllStandardOutput();
        double sum = 0;
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        const qsizetype count = data.size() / 2;
        for (qsizetype i = 0; i < count; ++i)
            sum += double(samples[i]) * samples[i];
        return count ? std::sqrt(sum / count) : 0;
    }

private slots:
    void pausesOnlyWhatPlays()
    {
        const auto playing = player(QStringLiteral("playing"), QStringLiteral("Playing"), true);
        const auto paused = player(QStringLiteral("paused"), QStringLiteral("Paused"), true);
        const auto cannotPause = player(QStringLiteral("stream"), QStringLiteral("Playing"), false);
        const auto proxy = player(QStringLiteral("playerctld"), QStringLiteral("Playing"), true);
        const auto refusing = player(QStringLiteral("refusing"), QStringLiteral("Playing"), true,
                                     QStringLiteral("raise dbus.exceptions.DBusException('no', name='org.example.No')"));
        MprisPlayers players(DBusMock::privateBus(QDBusConnection::SessionBus));
        bool done = false;
        players.pauseAll([&done] { done = true; });
        QTRY_VERIFY(done);
        QTRY_COMPARE(refusing->mock().calls(), QStringList({"Pause", "Stop"}));
        QCOMPARE(playing->mock().calls(), QStringList({"Pause"}));
        QCOMPARE(paused->mock().calls(), QStringList());
        QCOMPARE(cannotPause->mock().calls(), QStringList());
        QCOMPARE(proxy->mock().calls(), QStringList());
    }

    void aPlayerThatNeverAnswersHoldsNothingUp()
    {
        const auto stuck = player(QStringLiteral("stuck"), QStringLiteral("Playing"), true,
                                  QStringLiteral("import time; time.sleep(8)"));
        MprisPlayers players(DBusMock::privateBus(QDBusConnection::SessionBus));
        QElapsedTimer elapsed;
        elapsed.start();
        bool done = false;
        players.pauseAll([&done] { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
        qInfo("end action after %lld ms with a player that never answers", elapsed.elapsed());
        QVERIFY(elapsed.elapsed() < MprisPlayers::TimeoutMs + 500);
    }

    void chimeSoundsWhenTheStartFileCannotPlay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("xdgOpenExit");
        QTest::addColumn<bool>("chime");
        QTest::newRow("missing file") << "gone.mid" << "0" << true;
        QTest::newRow("handler fails") << "europe.mid" << "3" << true;
        QTest::newRow("handler works") << "europe.mid" << "0" << false;
    }

    void chimeSoundsWhenTheStartFileCannotPlay()
    {
        QFETCH(QString, file);
        QFETCH(QString, xdgOpenExit);
        QFETCH(bool, chime);
        qputenv("SOMNELLE_TEST_XDG_OPEN_EXIT", xdgOpenExit.toLatin1());
        Pactl::setSinkVolume(QStringLiteral("50%"));
        Pactl::setSinkMuted(false);
        SessionState state;
        MemorySettingsStore settings;
        AlsaMixer mixer;
        DesktopShell shell;
        FakePower power;
        FakeAwakeLock awake;
        FakeClock clock;
        FakeMediaPlayers players;
        AlsaChime alsaChime;
        Platform platform {settings, mixer, shell, power, awake, clock, players, alsaChime, [] {}, [] {}};
        Somnelle app(state, platform);
        app.readMasterVolume();
        TForm1 &f = app.form();
        f.setChoiceChecked(SetupView::AlarmMode, true);
        f.setMinutesText(QStringLiteral("1"));
        f.setWakeUpVolumeText(QStringLiteral("40"));
        f.setStartFile(file);
        f.setAlarmDateTime(QDateTime(QDate(2006, 6, 13), clock.now.time().addSecs(60)));
        app.startCancelClicked();
        clock.advance(60);
        QVERIFY(!app.session().isRunning());
        QTRY_COMPARE(alsaChime.isPlaying(), chime);
        if (!chime) {
            QTest::qWait(500);
            QVERIFY(!alsaChime.isPlaying());
            QVERIFY(loudness(700) < 50);
            return;
        }
        const double heard = loudness(1500);
        QVERIFY2(heard > 100, qPrintable(QString::number(heard))); // silence is 0; the chime at 40 % about 200
        QVERIFY(f.statusText().startsWith(file == QLatin1String("gone.mid") ? QStringLiteral("Start file not found: ")
                                                                             : QStringLiteral("Could not open ")));
        // A click on Start silences it.
        app.startCancelClicked();
        QVERIFY(!alsaChime.isPlaying());
        QVERIFY(loudness(700) < 50);
        app.startCancelClicked(); // cancel the session that click started
    }

    void chimeStopsByItselfAfterItsTime()
    {
        AlsaChime chime("default", 1);
        QVERIFY(chime.start());
        QTRY_VERIFY_WITH_TIMEOUT(!chime.isPlaying(), 5000);
        QVERIFY(loudness(500) < 50);
    }

    void noDeviceIsSaid()
    {
        AlsaChime chime("no-such-device");
        QVERIFY(!chime.start());
        QVERIFY(!chime.isPlaying());
    }
};

QTEST_MAIN(WakeUpSoundTest)
#include "test_wakeup_sound.moc"
