// Opening links and files through the desktop's handler, with a recording xdg-open.

#include <QFile>
#include <QtTest>

#include "session/desktopshell.h"

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
};

QTEST_MAIN(DesktopShellTest)
#include "test_desktopshell.moc"
