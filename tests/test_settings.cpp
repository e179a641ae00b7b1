// SPDX-License-Identifier: MIT
// The stored setup: the INI file, loaded into a setup and saved from one.

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "settings/datetime.h"
#include "settings/inisettingsstore.h"
#include "settings/setup.h"

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

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

    // A setup as a new window shows it.
    static Setup layout()
    {
        Setup setup;
        setup.wakeUpTime = QTime(10, 21, 48, 560);
        setup.startFile = QStringLiteral("europe.mid");
        return setup;
    }

    // A complete setup as the window would save it.
    static Setup fullSetup()
    {
        Setup setup = layout();
        setup.minutes = QStringLiteral("30");
        setup.tomorrow = true;
        setup.wakeUpPercent = QStringLiteral("40");
        setup.startFile = QStringLiteral("/music/wake up, now.ogg");
        setup.wakeUpTime = QTime(7, 30);
        return setup;
    }

    static Setup loaded(IniSettingsStore &store, Setup setup = layout())
    {
        store.load(setup);
        return setup;
    }

    static bool ownerOnly(const QString &path)
    {
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        const QFile::Permissions permissions = QFile::permissions(path);
        return (permissions & others) == 0 && (permissions & QFile::ReadOwner) && (permissions & QFile::WriteOwner);
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

        Setup typed = layout();
        typed.minutes = QStringLiteral("xx");
        const Setup first = loaded(store, typed);
        // "Timer" reads as empty; "Sd" is missing and the loading stops there.
        QCOMPARE(first.minutes, QString());
        QCOMPARE(first.endAction, EndAction::Alarm);
        QVERIFY(!first.tomorrow);
        QCOMPARE(first.startFile, QStringLiteral("europe.mid"));
        QCOMPARE(first.wakeUpTime, QTime(10, 21, 48, 560));

        // An existing file is left alone.
        writeRaw("[General]\nTimer=12\n");
        store.ensureSettingsFile();
        QCOMPARE(loaded(store).minutes, QStringLiteral("12"));
    }

    void unwritableFolderIsSilentAtStartUp()
    {
        IniSettingsStore store(QStringLiteral("/proc/somnelle/Somnelle.conf"));
        store.ensureSettingsFile();
        QVERIFY(!QFile::exists(store.path()));
        QCOMPARE(loaded(store).startFile, QStringLiteral("europe.mid"));
    }

    void saveAndLoadRoundTrip()
    {
        IniSettingsStore store(path_);
        store.ensureSettingsFile();
        // Written by a newer version, or by hand: kept.
        writeRaw("[General]\nTimer=5\nFuture=yes\n[Window]\nx=3\n");
        Setup saved = fullSetup();
        saved.minutes = QStringLiteral("45");
        saved.startFile = QStringLiteral("/music/a \"quoted\", long name.ogg");
        saved.wakeUpTime = QTime(7, 30, 15, 250);
        saved.sleepUntilAlarm = saved.endWithTrack = saved.decibelFade = true;
        saved.dryRun = true; // a dry run is never stored
        QString error;
        QVERIFY(store.save(saved, &error));
        QVERIFY(ownerOnly(path_));

        Setup back;
        store.load(back);
        saved.dryRun = false;
        QCOMPARE(std::tie(back.minutes, back.endAction, back.tomorrow, back.wakeUpPercent, back.startFile,
                          back.wakeUpTime, back.sleepUntilAlarm, back.endWithTrack, back.decibelFade, back.dryRun),
                 std::tie(saved.minutes, saved.endAction, saved.tomorrow, saved.wakeUpPercent, saved.startFile,
                          saved.wakeUpTime, saved.sleepUntilAlarm, saved.endWithTrack, saved.decibelFade,
                          saved.dryRun));

        // Where the listener fell asleep is kept beside the setup, and a new save keeps it.
        TrackNote note {"org.mpris.MediaPlayer2.mpv",
                        "mpv",
                        "/0",
                        "Nocturne",
                        "file:///m/n.ogg",
                        754000000,
                        200000000,
                        QDateTime(QDate(2026, 12, 7), QTime(23, 40), Qt::OffsetFromUTC, 3600)};
        store.saveNote(note);
        QVERIFY(store.save(saved, &error));
        const std::optional<TrackNote> noted = store.loadNote();
        QVERIFY(noted);
        QCOMPARE(std::tie(noted->player, noted->identity, noted->trackId, noted->title, noted->url, noted->positionUs,
                          noted->lengthUs, noted->notedAt),
                 std::tie(note.player, note.identity, note.trackId, note.title, note.url, note.positionUs,
                          note.lengthUs, note.notedAt));
        store.forgetNote();
        QVERIFY(!store.loadNote());

        // The file holds the eleven names with their kinds, and what it held besides.
        const QSettings raw(path_, QSettings::IniFormat);
        QCOMPARE(raw.allKeys().size(), 13);
        QCOMPARE(raw.value(QStringLiteral("Future")).toString() + raw.value(QStringLiteral("Window/x")).toString(),
                 QStringLiteral("yes3"));
        QCOMPARE(raw.value(QStringLiteral("Sd")).toString(), QStringLiteral("0"));
        QCOMPARE(raw.value(QStringLiteral("Am")).toString(), QStringLiteral("1"));
        QCOMPARE(raw.value(QStringLiteral("Alarm_time")).toByteArray().size(), 8);
    }

    // The three flags choose an end action in their order; all three off choose none.
    void storedChoices_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<int>("action");
        QTest::newRow("shutdown") << QByteArray("Sd=1\nSm=0\nAm=0\n") << int(EndAction::PowerOff);
        QTest::newRow("the later one wins") << QByteArray("Sd=1\nSm=1\nAm=0\n") << int(EndAction::Suspend);
        QTest::newRow("none") << QByteArray("Sd=0\nSm=0\nAm=0\n") << int(EndAction::None);
    }

    void storedChoices()
    {
        QFETCH(QByteArray, flags);
        QFETCH(int, action);
        IniSettingsStore store(path_);
        writeRaw("[General]\nTimer=120\n" + flags + "Tomorrow=0\n");
        const Setup setup = loaded(store);
        QCOMPARE(setup.endAction, EndAction(action));
        // A long "Timer" is taken unchanged; a missing "Wake_up_vol" is an empty text, and the loading goes on.
        QCOMPARE(setup.minutes, QStringLiteral("120"));
        QCOMPARE(setup.wakeUpPercent, QString());
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
        QTest::newRow("complete, from before sleeping until the alarm")
            << head + "Alarm_time=@ByteArray(\\0\\0\\0\\0\\0\\0\\xe0?)\n"
            << "15" << true << "x.mid" << QTime(12, 0);
        QTest::newRow("complete, asleep until the alarm")
            << head + "Alarm_time=@ByteArray(\\0\\0\\0\\0\\0\\0\\xe0?)\nSleep_until_alarm=1\n"
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
        Setup ticked = layout();
        ticked.sleepUntilAlarm = true;
        const Setup setup = loaded(store, ticked);
        QCOMPARE(setup.minutes, timer);
        QCOMPARE(setup.endAction, shutdown ? EndAction::PowerOff : EndAction::Alarm);
        QCOMPARE(setup.startFile, startFile);
        QCOMPARE(setup.wakeUpTime, alarm);
        // Kept where the loading stopped before it; absent from a whole file: off.
        QCOMPARE(setup.sleepUntilAlarm, alarm != QTime(12, 0) || content.contains("Sleep_until_alarm=1"));
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
            Setup setup = loaded(store);
            // Whatever was loaded, a save afterwards gives a file that loads completely.
            setup.minutes = QStringLiteral("5");
            QString error;
            QVERIFY(store.save(setup, &error));
            Setup reread;
            store.load(reread);
            QCOMPARE(reread.minutes, QStringLiteral("5"));
            QCOMPARE(reread.wakeUpTime, setup.wakeUpTime);
        }
    }

    // A folder that may not be written, or a settings file made read-only to keep a setup.
    void failedSaveRaisesTheMessageAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("read-only file") << false;
    }

    void failedSaveRaisesTheMessageAndKeepsTheOldFile()
    {
        QFETCH(bool, folder);
        if (QFileInfo(QStringLiteral("/")).isWritable())
            QSKIP("runs as a user who may write anywhere; the suite runs it unprivileged");
        IniSettingsStore store(path_);
        store.ensureSettingsFile();
        QString error;
        QVERIFY(store.save(fullSetup(), &error));
        QFile before(path_);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray old = before.readAll();
        before.close();

        const QString locked = folder ? QFileInfo(path_).absolutePath() : path_;
        const QFile::Permissions permissions = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, permissions & ~(QFile::WriteOwner | QFile::WriteUser)));
        QString message;
        QVERIFY(!store.save(fullSetup(), &message));
        QCOMPARE(QFile::permissions(path_) & QFile::WriteOwner, folder ? QFile::WriteOwner : QFile::Permissions());
        QFile::setPermissions(locked, permissions);
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
        QVERIFY(!store.save(fullSetup(), &message));
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
        Setup setup = fullSetup();
        setup.minutes = QStringLiteral("42");
        QVERIFY(store.save(setup, &error));
        QVERIFY(QFileInfo(path_).isSymLink());
        IniSettingsStore linked(target);
        QCOMPARE(loaded(linked).minutes, QStringLiteral("42"));
        QCOMPARE(loaded(store).minutes, QStringLiteral("42"));
    }

    void startUpRemovesOnlyOurOldStagingFiles()
    {
        QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        // The user's copies stay, whatever their names look like.
        const QStringList users {"Somnelle.conf.bak", "Somnelle.conf.backup", "Somnelle.conf.old123",
                                 "Somnelle.conf.somnelle-save.Ab3dE9x", "notes.txt"};
        const QString inProgress = QStringLiteral("Somnelle.conf.somnelle-save.Xy12Zz");
        for (const QString &name : users + QStringList {"Somnelle.conf.somnelle-save.Ab3dE9", inProgress}) {
            QFile file(QFileInfo(path_).absolutePath() + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(name == inProgress || file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        IniSettingsStore(path_).ensureSettingsFile();
        QStringList kept = users + QStringList {inProgress, "Somnelle.conf"};
        kept.sort();
        QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList(QDir::Files, QDir::Name), kept);
    }

    void storedDateTimes()
    {
        // Whole days since 1899-12-30, the time of day as the fraction.
        QCOMPARE(StoredDateTime::fromDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
        QCOMPARE(StoredDateTime::fromDateTime(QDateTime(QDate(1899, 12, 31), QTime(12, 0))), 1.5);
        QCOMPARE(StoredDateTime::fromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
        QCOMPARE(StoredDateTime::toDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
        QCOMPARE(StoredDateTime::toDateTime(38881.43181203704), QDateTime(QDate(2006, 6, 13), QTime(10, 21, 48, 560)));
        QVERIFY(!StoredDateTime::toDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
        QVERIFY(!StoredDateTime::toDateTime(1e300).isValid());
        // Exact to the millisecond over a range of days and times, both ways.
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i) {
            const QDateTime original(QDate(1899, 12, 30).addDays(random.bounded(-1000, 80000)),
                                     QTime::fromMSecsSinceStartOfDay(random.bounded(86400000)));
            QCOMPARE(StoredDateTime::toDateTime(StoredDateTime::fromDateTime(original)), original);
        }
        // A value a hair below midnight rounds into the next day.
        QCOMPARE(StoredDateTime::toDateTime(1.0 - 1e-12), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
