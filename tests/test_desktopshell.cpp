// Opening links and files through the desktop's handler, with a recording xdg-open.

#include <QFile>
#include <QtTest>

#include "session/desktopshell.h"
#include "session/startfile.h"

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
        QCOMPARE(opened().at(0), QStringLiteral("mailto:support@somnelle.org"));
        QCOMPARE(QUrl(opened().at(1)).toLocalFile(), QStringLiteral("/music/a \"quiet\" tune; rm -rf x.mid"));
    }

    void startFileReachesXdgOpenVerbatim()
    {
        QTemporaryDir folder;
        const QString witness = folder.filePath(QStringLiteral("ran"));
        const QString name = QStringLiteral("/music/it's a \"tune\"; $(touch %1) `touch %1`.mid").arg(witness);
        DesktopShell shell;
        std::optional<bool> opened;
        shell.openFile(name, [&opened](bool ok) { opened = ok; });
        QTRY_VERIFY(opened.has_value());
        QVERIFY(*opened);
        QCOMPARE(DesktopShellTest::opened().last(), name);
        QVERIFY(!QFile::exists(witness));
    }

    void startFileLookup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("resolved"); // %1: the current folder, %2: the data folder
        QTest::newRow("in the current folder first") << "both.mid" << "%1/both.mid";
        QTest::newRow("then in the data folder") << "europe.mid" << "%2/europe.mid";
        QTest::newRow("found nowhere") << "gone.mid" << "gone.mid";
        QTest::newRow("absolute") << "/srv/gone.mid" << "/srv/gone.mid";
        QTest::newRow("a URL") << "https://example.org/a.mid" << "https://example.org/a.mid";
    }

    void startFileLookup()
    {
        QFETCH(QString, text);
        QFETCH(QString, resolved);
        QTemporaryDir current, data;
        for (const QString &file : {current.filePath(QStringLiteral("both.mid")), data.filePath(QStringLiteral("both.mid")),
                                    data.filePath(QStringLiteral("europe.mid"))}) {
            QFile touch(file);
            QVERIFY(touch.open(QIODevice::WriteOnly));
        }
        resolved.replace(QLatin1String("%1"), current.path()).replace(QLatin1String("%2"), data.path());
        QCOMPARE(ResolveStartFile(text, {current.path(), data.path()}), resolved);
    }
};

QTEST_MAIN(DesktopShellTest)
#include "test_desktopshell.moc"
