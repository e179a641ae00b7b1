// SPDX-License-Identifier: MIT
#include "settings/inisettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <QSettings>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <unistd.h>
#include <QtEndian>

#include "settings/filenamebytes.h"

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

std::optional<QString> readText(const QSettings &settings, const QString &name)
{
    if (!settings.contains(name))
        return QString();
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

// A file name, kept as its bytes when they are not UTF-8 (see write()).
std::optional<QString> readFileName(const QSettings &settings, const QString &name)
{
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::QByteArray)
        return DecodeFileName(value.toByteArray());
    return readText(settings, name);
}

// A name whose bytes are not UTF-8 (from an old Latin-1 folder, say) is
// written as those bytes, which plain text would replace; any other name
// stays plain text, as it always was.
QVariant fileNameValue(const QString &name)
{
    const QByteArray bytes = EncodeFileName(name);
    return bytes == name.toUtf8() ? QVariant(name) : QVariant(bytes);
}

// A flag is a whole number that fits 32 bits unsigned; any other value is not a flag.
std::optional<bool> readFlag(const QSettings &settings, const QString &name)
{
    const QVariant value = settings.value(name);
    // Read from the file a number is text; QSettings hands back a value that
    // this process wrote as the number itself.
    const int type = value.typeId();
    if (type != QMetaType::QString && type != QMetaType::UInt && type != QMetaType::Int)
        return std::nullopt;
    bool ok = false;
    const uint number = value.toString().toUInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number != 0;
}

std::optional<double> readDateTime(const QSettings &settings, const QString &name)
{
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QByteArray || value.toByteArray().size() != 8)
        return std::nullopt;
    return qFromLittleEndian<double>(value.toByteArray().constData());
}

QByteArray dateTimeBytes(double value)
{
    QByteArray bytes(8, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString path)
    : path_(std::move(path))
{
}

QString IniSettingsStore::defaultPath()
{
    QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Somnelle/Somnelle.conf");
}

QString IniSettingsStore::writtenPath() const
{
    // Settings kept in a repository of dotfiles are often a link: the file it points to is the one to replace.
    const QFileInfo info(path_);
    if (!info.isSymLink())
        return path_;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

void IniSettingsStore::removeLeftovers() const
{
    // A save killed midway leaves its staging file ("Somnelle.conf.AbC123").
    // One that has not changed for a minute belongs to no save in progress.
    const QFileInfo written(writtenPath());
    const QRegularExpression staging(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(written.fileName())));
    const QDateTime aMinuteAgo = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList candidates = written.dir().entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : candidates) {
        if (staging.match(file.fileName()).hasMatch() && file.ownerId() == ::getuid()
            && file.lastModified() < aMinuteAgo)
            QFile::remove(file.absoluteFilePath());
    }
}

void IniSettingsStore::ensureSettingsFile()
{
    removeLeftovers();
    if (QFileInfo::exists(path_))
        return;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, OwnerOnly | QFile::ExeOwner);
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.setPermissions(OwnerOnly);
}

StoredSetup IniSettingsStore::read()
{
    const QSettings settings(path_, QSettings::IniFormat);
    StoredSetup setup;
    setup.timer = readText(settings, QStringLiteral("Timer"));
    setup.sd = readFlag(settings, QStringLiteral("Sd"));
    setup.sm = readFlag(settings, QStringLiteral("Sm"));
    setup.am = readFlag(settings, QStringLiteral("Am"));
    setup.tomorrow = readFlag(settings, QStringLiteral("Tomorrow"));
    setup.wakeUpVolume = readText(settings, QStringLiteral("Wake_up_vol"));
    setup.startFile = readFileName(settings, QStringLiteral("Start_file"));
    setup.alarmTime = readDateTime(settings, QStringLiteral("Alarm_time"));
    return setup;
}

bool IniSettingsStore::write(const StoredSetup &setup, QString *error)
{
    // The new file is written beside the old one and renamed over it, so a
    // crash, a full disk or a second instance saving at the same moment leaves
    // either the old file or the new one, never a part of either. Whatever
    // the old file held, even if it no longer parses, does not stop the save.
    const QString target = writtenPath();
    QTemporaryFile staging(target + QStringLiteral(".XXXXXX"));
    bool saved = staging.open() && staging.setPermissions(OwnerOnly);
    if (saved) {
        staging.close();
        QSettings settings(staging.fileName(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Timer"), setup.timer.value_or(QString()));
        settings.setValue(QStringLiteral("Sd"), uint(setup.sd.value_or(false)));
        settings.setValue(QStringLiteral("Sm"), uint(setup.sm.value_or(false)));
        settings.setValue(QStringLiteral("Am"), uint(setup.am.value_or(false)));
        settings.setValue(QStringLiteral("Tomorrow"), uint(setup.tomorrow.value_or(false)));
        settings.setValue(QStringLiteral("Wake_up_vol"), setup.wakeUpVolume.value_or(QString()));
        settings.setValue(QStringLiteral("Start_file"), fileNameValue(setup.startFile.value_or(QString())));
        settings.setValue(QStringLiteral("Alarm_time"), dateTimeBytes(setup.alarmTime.value_or(0.0)));
        // QSettings writes through QSaveFile, which flushes the data to disk.
        settings.sync();
        saved = settings.status() == QSettings::NoError
            && std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(target).constData())
                == 0;
    }
    if (!saved) {
        *error = QStringLiteral("Failed to set data for 'Timer'");
        return false;
    }
    staging.setAutoRemove(false); // it has become the settings file
    return true;
}
