// SPDX-License-Identifier: MIT
// The stored setup: the INI file, loading into the window, saving from it.

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "fakes.h"
#include "settings/datetime.h"
#include "settings/inisettingsstore.h"
#include "settings/setupsettings.h"
#include "ui/mainwindow.h"

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

    using Window = RecordedWindow;

    void writeRaw(const QByteArray &content)
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QByteArray storedBytes(double value)
    {
        QByteArray bytes(8, Qt::Uninitialized);
        qToLittleEndian(value, bytes.data());
        return bytes;
    }

    // A complete setup as the window would save it.
    static StoredSetup fullSetup()
    {
        StoredSetup setup;
        setup.timer = QStringLiteral("30");
        setup.sd = false;
        setup.sm = false;
        setup.am = true;
        setup.tomorrow = true;
        setup.wakeUpVolume = QStringLiteral("40");
        setup.startFile = QStringLiteral("/music/wake up, now.ogg");
        setup.alarmTime = ToStoredDateTime(QDateTime(QDate(2020, 1, 2), QTime(7, 30)));
        return setup;
    }

    static bool ownerOnly(const QString &path)
    {
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        const QFile::Permissions permissions = QFile::permissions(path);
        return (permissions & others) == 0 && (permissions & QFile::ReadOwner) && (permissions & QFile::WriteOwner);
    }

    static bool alarmGroupEnabled(MainWindow &f)
    {
        return f.alarmPanel->isEnabled() && f.wakeVolumeEdit->isEnabled() && f.alarmTimeEdit->isEnabled();
    }

private slots:
    void init()
    {
        const QString folder = dir_.filePath(QStringLiteral("cfg%1").arg(QRandomGenerator::global()->generate()));
        QVERIFY(QDir().mkpath(folder));
        path_ = folder + QStringLiteral("/Somnelle.conf");
    }

    void defaultPathFollowsXdg()
    {
        QCOMPARE(IniSettingsStore::defaultPath(),
                 QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Somnelle/Somnelle.conf"));
    }

    void firstRunCreatesTheFileAndKeepsTheDefaults()
    {
        IniSettingsStore store(path_);
        store.ensureSettingsFile();
        QVERIFY(QFile::exists(path_));
        QVERIFY(ownerOnly(path_));

        Window w;
        MainWindow &f = w.form;
        f.setMinutesText(QStringLiteral("xx"));
        LoadSettings(store, f);
        // "Timer" reads as empty; "Sd" is missing and the loading stops there.
        QCOMPARE(f.minutesEdit->text(), QString());
        QVERIFY(f.alarmChoice->isChecked());
        QVERIFY(!f.tomorrowCheck->isChecked());
        QCOMPARE(f.startFileEdit->text(), QStringLiteral("europe.mid"));
        QCOMPARE(f.alarmTimeEdit->time(), QTime(10, 21, 48, 560));
        QVERIFY(alarmGroupEnabled(f));

        // An existing file is left alone.
        writeRaw("[General]\nTimer=12\n");
        store.ensureSettingsFile();
        QCOMPARE(store.read().timer, std::optional<QString>(QStringLiteral("12")));
    }

    void unwritableFolderIsSilentAtStartUp()
    {
        IniSettingsStore store(QStringLiteral("/proc/somnelle/Somnelle.conf"));
        store.ensureSettingsFile();
        QVERIFY(!QFile::exists(store.path()));
        Window w;
        LoadSettings(store, w.form);
        QCOMPARE(w.form.startFileEdit->text(), QStringLiteral("europe.mid"));
    }

    void saveAndLoadRoundTrip()
    {
        IniSettingsStore store(path_);
        store.ensureSettingsFile();
        Window saved;
        saved.form.setMinutesText(QStringLiteral("45"));
        saved.form.setChoiceChecked(SetupView::AlarmMode, true);
        saved.form.setTomorrow(true);
        saved.form.setWakeUpVolumeText(QStringLiteral("40"));
        saved.form.setStartFile(QStringLiteral("/music/a \"quoted\", long name.ogg"));
        saved.form.setAlarmDateTime(QDateTime(QDate(2031, 5, 6), QTime(7, 30, 15, 250)));
        QString error;
        QVERIFY(SaveSettings(store, saved.form, &error));
        QVERIFY(ownerOnly(path_));

        Window loaded;
        LoadSettings(store, loaded.form);
        QCOMPARE(loaded.form.minutesEdit->text(), QStringLiteral("45"));
        QVERIFY(loaded.form.alarmChoice->isChecked());
        QVERIFY(loaded.form.tomorrowCheck->isChecked());
        QCOMPARE(loaded.form.wakeVolumeEdit->text(), QStringLiteral("40"));
        QCOMPARE(loaded.form.startFileEdit->text(), QStringLiteral("/music/a \"quoted\", long name.ogg"));
        // Only the time of day is taken: the picker keeps its own date.
        QCOMPARE(loaded.form.alarmTimeEdit->dateTime(), QDateTime(QDate(2006, 6, 13), QTime(7, 30, 15, 250)));

        // The file holds the eight names with their kinds.
        const QSettings raw(path_, QSettings::IniFormat);
        QCOMPARE(raw.allKeys().size(), 8);
        QCOMPARE(raw.value(QStringLiteral("Sd")).toString(), QStringLiteral("0"));
        QCOMPARE(raw.value(QStringLiteral("Am")).toString(), QStringLiteral("1"));
        QCOMPARE(raw.value(QStringLiteral("Alarm_time")).toByteArray().size(), 8);
    }

    void storedShutdownDisablesTheAlarmGroup()
    {
        IniSettingsStore store(path_);
        writeRaw("[General]\nTimer=20\nSd=1\nSm=0\nAm=0\nTomorrow=0\n");
        Window w;
        w.form.setStatusText(QStringLiteral("Set volume"));
        LoadSettings(store, w.form);
        QVERIFY(w.form.shutdownChoice->isChecked());
        QVERIFY(!w.form.suspendChoice->isChecked() && !w.form.alarmChoice->isChecked());
        QVERIFY(!alarmGroupEnabled(w.form));
        // The Shutdown rule ran, clearing the status line.
        QCOMPARE(w.form.statusText(), QString());
        // "Wake_up_vol" is missing: an empty text, and the loading goes on.
        QCOMPARE(w.form.wakeVolumeEdit->text(), QString());
    }

    void storedChoicesAllOffLeaveNoneChecked()
    {
        IniSettingsStore store(path_);
        writeRaw("[General]\nTimer=20\nSd=0\nSm=0\nAm=0\n");
        Window w;
        LoadSettings(store, w.form);
        QVERIFY(!w.form.shutdownChoice->isChecked() && !w.form.suspendChoice->isChecked()
                && !w.form.alarmChoice->isChecked());
        // Unchecking runs no rule.
        QVERIFY(alarmGroupEnabled(w.form));
    }

    void longTimerLoadsUnchanged()
    {
        IniSettingsStore store(path_);
        writeRaw("[General]\nTimer=120\n");
        Window w;
        LoadSettings(store, w.form);
        QCOMPARE(w.form.minutesEdit->text(), QStringLiteral("120"));
    }

    void partialLoads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<bool>("shutdown");
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<QTime>("alarm");

        const QByteArray head = "[General]\nTimer=15\nSd=1\nSm=0\nAm=0\nTomorrow=1\nWake_up_vol=30\nStart_file=x.mid\n";
        const QTime layoutTime(10, 21, 48, 560);
        QTest::newRow("flag stored as text")
            << QByteArray("[General]\nTimer=15\nSd=yes\n") << "15" << false << "europe.mid" << layoutTime;
        QTest::newRow("flag out of range")
            << QByteArray("[General]\nTimer=15\nSd=4294967296\n") << "15" << false << "europe.mid" << layoutTime;
        QTest::newRow("negative flag") << QByteArray("[General]\nTimer=15\nSd=-1\n") << "15" << false << "europe.mid"
                                       << layoutTime;
        QTest::newRow("Sm missing") << QByteArray("[General]\nTimer=15\nSd=1\n") << "15" << true << "europe.mid"
                                    << layoutTime;
        QTest::newRow("timer of another kind")
            << QByteArray("[General]\nTimer=@ByteArray(15)\nSd=1\n") << "" << false << "europe.mid" << layoutTime;
        QTest::newRow("alarm time of 7 bytes") << head + "Alarm_time=@ByteArray(1234567)\n"
                                               << "15" << true << "x.mid" << layoutTime;
        QTest::newRow("alarm time of 9 bytes") << head + "Alarm_time=@ByteArray(123456789)\n"
                                               << "15" << true << "x.mid" << layoutTime;
        QTest::newRow("alarm time as text") << head + "Alarm_time=0.5\n"
                                            << "15" << true << "x.mid" << layoutTime;
        QTest::newRow("alarm time not a number")
            << head + "Alarm_time=@ByteArray(\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff)\n"
            << "15" << true << "x.mid" << layoutTime;
        QTest::newRow("complete") << head + "Alarm_time=@ByteArray(\\0\\0\\0\\0\\0\\0\\xe0?)\n"
                                  << "15" << true << "x.mid" << QTime(12, 0);
    }

    void partialLoads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, timer);
        QFETCH(bool, shutdown);
        QFETCH(QString, startFile);
        QFETCH(QTime, alarm);
        writeRaw(content);
        IniSettingsStore store(path_);
        Window w;
        LoadSettings(store, w.form);
        QCOMPARE(w.form.minutesEdit->text(), timer);
        QCOMPARE(w.form.shutdownChoice->isChecked(), shutdown);
        QCOMPARE(w.form.alarmChoice->isChecked(), !shutdown);
        QCOMPARE(w.form.startFileEdit->text(), startFile);
        QCOMPARE(w.form.alarmTimeEdit->time(), alarm);
    }

    void randomBytesDoNotCrash()
    {
        QRandomGenerator random(20261207);
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(int(random.bounded(1, 600)), Qt::Uninitialized);
            for (char &byte : bytes)
                byte = char(random.bounded(256));
            writeRaw(bytes);
            IniSettingsStore store(path_);
            Window w;
            LoadSettings(store, w.form);
            // Whatever was loaded, a save afterwards gives a file that loads completely.
            w.form.setMinutesText(QStringLiteral("5"));
            QString error;
            QVERIFY(SaveSettings(store, w.form, &error));
            const StoredSetup reread = store.read();
            QCOMPARE(reread.timer, std::optional<QString>(QStringLiteral("5")));
            QVERIFY(reread.alarmTime.has_value());
        }
    }

    void failedSaveRaisesTheMessageAndKeepsTheOldFile()
    {
        if (QFileInfo(QStringLiteral("/")).isWritable())
            QSKIP("runs as a user who may write anywhere; the suite runs it unprivileged");
        IniSettingsStore store(path_);
        store.ensureSettingsFile();
        QString error;
        QVERIFY(store.write(fullSetup(), &error));
        QFile before(path_);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray old = before.readAll();
        before.close();

        const QString folder = QFileInfo(path_).absolutePath();
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        Window w;
        w.form.setMinutesText(QStringLiteral("55"));
        QString message;
        QVERIFY(!SaveSettings(store, w.form, &message));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(message, QStringLiteral("Failed to set data for 'Timer'"));
        QFile after(path_);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), old);
    }

    void missingFolderRaisesTheMessage()
    {
        // A folder that cannot exist: its parent is a file.
        QFile blocker(dir_.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        IniSettingsStore store(blocker.fileName() + QStringLiteral("/Somnelle.conf"));
        store.ensureSettingsFile();
        QString message;
        QVERIFY(!store.write(fullSetup(), &message));
        QCOMPARE(message, QStringLiteral("Failed to set data for 'Timer'"));
    }

    void symlinkedFileStaysALink()
    {
        const QString target = dir_.filePath(QStringLiteral("dotfiles/somnelle.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
        QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
        QVERIFY(QFile::link(target, path_));
        IniSettingsStore store(path_);
        QString error;
        StoredSetup setup = fullSetup();
        setup.timer = QStringLiteral("42");
        QVERIFY(store.write(setup, &error));
        QVERIFY(QFileInfo(path_).isSymLink());
        QCOMPARE(IniSettingsStore(target).read().timer, std::optional<QString>(QStringLiteral("42")));
        QCOMPARE(store.read().timer, std::optional<QString>(QStringLiteral("42")));
    }

    void startUpRemovesOnlyOurOldStagingFiles()
    {
        QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        const QStringList names {"Somnelle.conf.Ab3dE9", "Somnelle.conf.Xy12Zz", "Somnelle.conf.bak",
                                 "Somnelle.conf.Ab3dE9x", "notes.txt"};
        for (const QString &name : names) {
            QFile file(QFileInfo(path_).absolutePath() + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(name == QLatin1String("Somnelle.conf.Xy12Zz") // a save in progress right now
                    || file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        IniSettingsStore(path_).ensureSettingsFile();
        const QStringList left = QDir(QFileInfo(path_).absolutePath()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(left,
                 QStringList({"Somnelle.conf", "Somnelle.conf.Ab3dE9x", "Somnelle.conf.Xy12Zz", "Somnelle.conf.bak",
                              "notes.txt"}));
    }

    void storedDateTimes()
    {
        // Whole days since 1899-12-30, the time of day as the fraction.
        QCOMPARE(ToStoredDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
        QCOMPARE(ToStoredDateTime(QDateTime(QDate(1899, 12, 31), QTime(12, 0))), 1.5);
        QCOMPARE(ToStoredDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
        QCOMPARE(FromStoredDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
        QCOMPARE(FromStoredDateTime(38881.43181203704), QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
        QVERIFY(!FromStoredDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
        QVERIFY(!FromStoredDateTime(1e300).isValid());
        // Exact to the millisecond over a range of days and times, both ways.
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i) {
            const QDateTime original(QDate(1899, 12, 30).addDays(random.bounded(-1000, 80000)),
                                     QTime::fromMSecsSinceStartOfDay(random.bounded(86400000)));
            QCOMPARE(FromStoredDateTime(ToStoredDateTime(original)), original);
        }
        // A value a hair below midnight rounds into the next day.
        QCOMPARE(FromStoredDateTime(1.0 - 1e-12), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
