// SPDX-License-Identifier: MIT
#include "settings/inisettingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <QSettings>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <unistd.h>
#include <QtEndian>

#include "settings/datetime.h"
#include "settings/filenamebytes.h"
#include "settings/setup.h"

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
// Where the listener fell asleep: a group of its own.
const QString NoteGroup = QStringLiteral("Resume");
// What a save's staging file adds to the settings file's name, so that no user's copy beside it looks like one.
const QString StagingMark = QStringLiteral(".somnelle-save.");

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
        return FileNameBytes::decode(value.toByteArray());
    return readText(settings, name);
}

// A name whose bytes are not UTF-8 (from an old Latin-1 folder, say) is
// written as those bytes, which plain text would replace; any other name
// stays plain text, as it always was.
QVariant fileNameValue(const QString &name)
{
    return FileNameBytes::isUtf8(name) ? QVariant(name) : QVariant(FileNameBytes::encode(name));
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

// The flags newer than the rest: a file without them has them off, as it always did.
const std::pair<QString, bool Setup::*> NewerFlags[] = {{QStringLiteral("Sleep_until_alarm"), &Setup::sleepUntilAlarm},
                                                        {QStringLiteral("End_with_track"), &Setup::endWithTrack},
                                                        {QStringLiteral("Decibel_fade"), &Setup::decibelFade}};

// The values a save writes; every other key and group of the file is kept as it was.
void writeSetup(QSettings &settings, const Setup &setup)
{
    settings.setValue(QStringLiteral("Timer"), setup.minutes);
    settings.setValue(QStringLiteral("Sd"), uint(setup.endAction == EndAction::PowerOff));
    settings.setValue(QStringLiteral("Sm"), uint(setup.endAction == EndAction::Suspend));
    settings.setValue(QStringLiteral("Am"), uint(setup.endAction == EndAction::Alarm));
    settings.setValue(QStringLiteral("Tomorrow"), uint(setup.tomorrow));
    settings.setValue(QStringLiteral("Wake_up_vol"), setup.wakeUpPercent);
    settings.setValue(QStringLiteral("Start_file"), fileNameValue(setup.startFile));
    // The time of day on the first day of the count: only the time is read back.
    settings.setValue(
        QStringLiteral("Alarm_time"),
        dateTimeBytes(StoredDateTime::fromDateTime(QDateTime(
            StoredDateTime::FirstDay, setup.wakeUpTime.isValid() ? setup.wakeUpTime : QTime(0, 0), Qt::UTC))));
    for (const auto &[name, flag] : NewerFlags)
        settings.setValue(name, uint(setup.*flag));
}

// What a newer version or the user wrote into the file: copied over as QSettings
// reads it, so that a line it cannot read is the only thing lost.
void keepTheRest(const QString &oldFile, QSettings &settings)
{
    const QSettings old(oldFile, QSettings::IniFormat);
    const QStringList keys = old.allKeys();
    for (const QString &key : keys)
        settings.setValue(key, old.value(key));
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
    // A save killed midway leaves its staging file ("Somnelle.conf.somnelle-save.AbC123").
    // One that has not changed for a minute belongs to no save in progress.
    const QFileInfo written(writtenPath());
    const QRegularExpression staging(
        QStringLiteral("^%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(written.fileName() + StagingMark)));
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

void IniSettingsStore::load(Setup &setup)
{
    const QSettings settings(path_, QSettings::IniFormat);
    const std::optional<QString> timer = readText(settings, QStringLiteral("Timer"));
    if (!timer)
        return;
    setup.minutes = *timer;

    // One flag per end action, as the window's three choices once were:
    // setting one chooses it, clearing the chosen one leaves none.
    const std::pair<QString, EndAction> choices[] = {{QStringLiteral("Sd"), EndAction::PowerOff},
                                                     {QStringLiteral("Sm"), EndAction::Suspend},
                                                     {QStringLiteral("Am"), EndAction::Alarm}};
    for (const auto &[name, action] : choices) {
        const std::optional<bool> chosen = readFlag(settings, name);
        if (!chosen)
            return;
        if (*chosen)
            setup.endAction = action;
        else if (setup.endAction == action)
            setup.endAction = EndAction::None;
    }

    const std::optional<bool> tomorrow = readFlag(settings, QStringLiteral("Tomorrow"));
    if (!tomorrow)
        return;
    setup.tomorrow = *tomorrow;
    const std::optional<QString> wakeUpPercent = readText(settings, QStringLiteral("Wake_up_vol"));
    if (!wakeUpPercent)
        return;
    setup.wakeUpPercent = *wakeUpPercent;
    const std::optional<QString> startFile = readFileName(settings, QStringLiteral("Start_file"));
    if (!startFile)
        return;
    setup.startFile = *startFile;

    // Only the time of day counts.
    const std::optional<double> stored = readDateTime(settings, QStringLiteral("Alarm_time"));
    const QDateTime wakeUp = stored ? StoredDateTime::toDateTime(*stored) : QDateTime();
    if (!wakeUp.isValid())
        return;
    setup.wakeUpTime = wakeUp.time();

    for (const auto &[name, flag] : NewerFlags) {
        const std::optional<bool> on = settings.contains(name) ? readFlag(settings, name) : false;
        if (on)
            setup.*flag = *on;
    }
}

bool IniSettingsStore::write(const std::function<void(QSettings &)> &change)
{
    // The new file is written beside the old one and renamed over it, so a
    // crash, a full disk or a second instance saving at the same moment leaves
    // either the old file or the new one, never a part of either. Whatever
    // the old file held, even if it no longer parses, does not stop the save.
    const QString target = writtenPath();
    QTemporaryFile staging(target + StagingMark + QStringLiteral("XXXXXX"));
    // A settings file made read-only keeps a setup on purpose: it is not replaced.
    if ((QFileInfo::exists(target) && ::access(QFile::encodeName(target).constData(), W_OK) != 0) || !staging.open()
        || !staging.setPermissions(OwnerOnly))
        return false;
    staging.close();
    QSettings settings(staging.fileName(), QSettings::IniFormat);
    keepTheRest(target, settings);
    change(settings);
    // QSettings writes through QSaveFile, which flushes the data to disk.
    settings.sync();
    if (settings.status() != QSettings::NoError
        || std::rename(QFile::encodeName(staging.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    staging.setAutoRemove(false); // it has become the settings file
    return true;
}

bool IniSettingsStore::save(const Setup &setup, QString *error)
{
    if (write([&setup](QSettings &settings) { writeSetup(settings, setup); }))
        return true;
    *error = QCoreApplication::translate("IniSettingsStore", "Failed to set data for 'Timer'");
    return false;
}

void IniSettingsStore::saveNote(const TrackNote &note)
{
    write([&note](QSettings &settings) {
        settings.remove(NoteGroup);
        settings.beginGroup(NoteGroup);
        settings.setValue(QStringLiteral("Player"), note.player);
        settings.setValue(QStringLiteral("Identity"), note.identity);
        settings.setValue(QStringLiteral("Track_id"), note.trackId);
        settings.setValue(QStringLiteral("Title"), note.title);
        settings.setValue(QStringLiteral("Url"), note.url);
        settings.setValue(QStringLiteral("Position_us"), note.positionUs);
        settings.setValue(QStringLiteral("Length_us"), note.lengthUs);
        settings.setValue(QStringLiteral("Noted_at"), note.notedAt.toString(Qt::ISODate));
        settings.endGroup();
    });
}

std::optional<TrackNote> IniSettingsStore::loadNote()
{
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(NoteGroup);
    TrackNote note;
    note.player = settings.value(QStringLiteral("Player")).toString();
    note.identity = settings.value(QStringLiteral("Identity")).toString();
    note.trackId = settings.value(QStringLiteral("Track_id")).toString();
    note.title = settings.value(QStringLiteral("Title")).toString();
    note.url = settings.value(QStringLiteral("Url")).toString();
    note.positionUs = settings.value(QStringLiteral("Position_us")).toLongLong();
    note.lengthUs = settings.value(QStringLiteral("Length_us")).toLongLong();
    note.notedAt = QDateTime::fromString(settings.value(QStringLiteral("Noted_at")).toString(), Qt::ISODate);
    if (note.player.isEmpty() || !note.notedAt.isValid())
        return std::nullopt;
    return note;
}

void IniSettingsStore::forgetNote()
{
    if (loadNote())
        write([](QSettings &settings) { settings.remove(NoteGroup); });
}
