#include "session/startfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString ResolveStartFile(const QString &text, const QStringList &folders)
{
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (text.isEmpty() || QDir::isAbsolutePath(text) || url.match(text).hasMatch())
        return text;
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), text);
        if (candidate.exists())
            return candidate.absoluteFilePath();
    }
    return text;
}

QString ProgramDataFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &relative : {QStringLiteral("../share/somnelle"), QStringLiteral("share/somnelle")}) {
        if (program.exists(relative))
            return QDir::cleanPath(program.absoluteFilePath(relative));
    }
    return QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/somnelle")));
}
