// SPDX-License-Identifier: MIT
// Opening links and files through the desktop's handler, with a recording xdg-open.

#include <QFile>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

#include "platform/desktopshell.h"
#include "settings/filenamebytes.h"
#include "platform/startfile.h"

class DesktopShellTest : public QObject {
    Q_OBJECT

    static QStringList opened()
    {
        QFile log(QString::fromLocal8Bit(qgetenv("SOMNELLE_TEST_XDG_OPEN_LOG")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void handsLinksAndFilesToXdgOpen()
    {
        DesktopShell shell;
        shell.open(QUrl(QStringLiteral("mailto:support@somnelle.org")));
        // A name with blanks and quotes arrives as one argument, untouched by any shell.
        shell.open(QUrl::fromLocalFile(QStringLiteral("/music/a \"quiet\" tune; rm -rf x.mid")));
        QTRY_COMPARE(opened().size(), 2);
        // Two handlers of their own: either may be first.
        QStringList got = opened();
        got.sort();
        QCOMPARE(QUrl(got.at(0)).toLocalFile(), QStringLiteral("/music/a \"quiet\" tune; rm -rf x.mid"));
        QCOMPARE(got.at(1), QStringLiteral("mailto:support@somnelle.org"));
    }

    void startFileReachesXdgOpenVerbatim()
    {
        QTemporaryDir folder;
        const QString witness = folder.filePath(QStringLiteral("ran"));
        const QString name = QStringLiteral("/music/it's a \"tune\"; $(touch %1) `touch %1`.mid").arg(witness);
        DesktopShell shell;
        QSignalSpy opened(&shell, &Shell::fileOpened);
        shell.openFile(name);
        QVERIFY(opened.wait());
        QVERIFY(opened.takeFirst().value(0).toBool());
        QCOMPARE(DesktopShellTest::opened().last(), name);
        QVERIFY(!QFile::exists(witness));
    }

    // Names that are not UTF-8 keep their bytes from the command line through
    // the lookup on disk to the desktop's handler.
    void fileNamesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << QByteArray("tune \xc3\xa9 \xef\xbf\xbd.mid");
        QTest::newRow("Latin-1") << QByteArray("lat\xe9.mid");
        QTest::newRow("stray, overlong and cut short") << QByteArray("a\x80\xc0\xaf\xe2\x82");
    }

    void fileNamesKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QByteArray program("somnelle");
        char *argv[] = {program.data(), bytes.data()};
        const QString name = FileNameBytes::programArguments(2, argv).value(0);
        QCOMPARE(FileNameBytes::encode(name), bytes);
        QCOMPARE(name == QString::fromUtf8(bytes), QString::fromUtf8(bytes).toUtf8() == bytes);

        QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.path()) + '/' + bytes;
        QVERIFY(::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600)) == 0);
        const QString resolved = StartFile::resolve(name, {folder.path()});
        QVERIFY(!StartFile::isMissing(resolved));
        DesktopShell shell;
        QSignalSpy opened(&shell, &Shell::fileOpened);
        shell.openFile(resolved);
        QVERIFY(opened.wait());
        QFile log(qEnvironmentVariable("SOMNELLE_TEST_XDG_OPEN_LOG"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n'); // the last one is empty
        const QByteArray argument = lines.value(lines.size() - 2);
        QCOMPARE(argument.startsWith("file://") ? QByteArray::fromPercentEncoding(argument.mid(7)) : argument, path);
    }

    void startFileLookup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("resolved"); // %1: the current folder, %2: the data folder
        QTest::newRow("in the current folder first") << "both.mid"
                                                     << "%1/both.mid";
        QTest::newRow("then in the data folder") << "europe.mid"
                                                 << "%2/europe.mid";
        QTest::newRow("found nowhere") << "gone.mid"
                                       << "gone.mid";
        QTest::newRow("absolute") << "/srv/gone.mid"
                                  << "/srv/gone.mid";
        QTest::newRow("a URL") << "https://example.org/a.mid"
                               << "https://example.org/a.mid";
    }

    void startFileLookup()
    {
        QFETCH(QString, text);
        QFETCH(QString, resolved);
        QTemporaryDir current, data;
        for (const QString &file :
             {current.filePath(QStringLiteral("both.mid")), data.filePath(QStringLiteral("both.mid")),
              data.filePath(QStringLiteral("europe.mid"))}) {
            QFile touch(file);
            QVERIFY(touch.open(QIODevice::WriteOnly));
        }
        resolved.replace(QLatin1String("%1"), current.path()).replace(QLatin1String("%2"), data.path());
        QCOMPARE(StartFile::resolve(text, {current.path(), data.path()}), resolved);
    }
};

QTEST_MAIN(DesktopShellTest)
#include "test_desktopshell.moc"
