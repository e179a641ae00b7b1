// SPDX-License-Identifier: MIT
#include "platform/startfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/filenamebytes.h"

namespace {
bool isUrl(const QString &text)
{
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return url.match(text).hasMatch();
}

// By the name's own bytes, which QFileInfo would not keep.
bool exists(const QString &path)
{
    return access(FileNameBytes::encode(path).constData(), F_OK) == 0;
}
} // namespace

bool StartFile::isMissing(const QString &resolved)
{
    return !isUrl(resolved) && !exists(resolved);
}

bool StartFile::isNotAFile(const QString &resolved)
{
    struct stat status {};
    return !isUrl(resolved) && stat(FileNameBytes::encode(resolved).constData(), &status) == 0
        && !S_ISREG(status.st_mode);
}

bool StartFile::isUnreadable(const QString &resolved)
{
    return !isUrl(resolved) && exists(resolved) && access(FileNameBytes::encode(resolved).constData(), R_OK) != 0;
}

QString StartFile::resolve(const QString &text, const QStringList &folders)
{
    if (text.isEmpty() || QDir::isAbsolutePath(text) || isUrl(text))
        return text;
    for (const QString &folder : folders) {
        const QString candidate = QDir::cleanPath(QDir(folder).absoluteFilePath(text));
        if (exists(candidate))
            return candidate;
    }
    return text;
}

QString StartFile::inFolder(const QString &text, const QString &folder, const QString &dataFolder)
{
    if (text.isEmpty() || folder.isEmpty() || QDir::isAbsolutePath(text) || isUrl(text))
        return text;
    const QString there = QDir::cleanPath(QDir(folder).absoluteFilePath(text));
    if (!exists(there) && exists(QDir(dataFolder).absoluteFilePath(text)))
        return text;
    return there;
}

QString StartFile::programDataFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString installed = QStringLiteral(SOMNELLE_INSTALLED_DATA);
    // The build folder holds its data in share/somnelle beside the program.
    const QString relative = program.exists(installed) ? installed : QStringLiteral("share/somnelle");
    return QDir::cleanPath(program.absoluteFilePath(relative));
}
