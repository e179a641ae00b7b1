// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "settings/settingsstore.h"

class QSettings;

// The setup in an INI file written with QSettings, by default
// $XDG_CONFIG_HOME/Somnelle/Somnelle.conf, under the names "Timer", "Sd",
// "Sm", "Am", "Tomorrow", "Wake_up_vol", "Start_file", "Alarm_time" and
// "Sleep_until_alarm", "End_with_track" and "Decibel_fade" (absent: off);
// where the listener fell asleep in the group [Resume].
// Flags are whole numbers 0 or 1, the alarm time eight little-endian bytes
// (see settings/datetime.h). A save keeps every other key and group of the
// file (a newer version's, the user's own) and replaces the whole file
// at once, so a crash or a full disk leaves the previous file as it was;
// only its owner may read or write it. A settings file that is a symbolic
// link stays one: the save replaces the file it points to. Staging files
// left by a save that was killed are removed at start-up.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString path = defaultPath());
    static QString defaultPath();

    QString path() const { return path_; }

    void ensureSettingsFile() override;
    void load(Setup &setup) override;
    bool save(const Setup &setup, QString *error) override;
    void saveNote(const TrackNote &note) override;
    std::optional<TrackNote> loadNote() override;
    void forgetNote() override;

private:
    // Replaces the file with what it held and what change writes into it; whether that was done.
    bool write(const std::function<void(QSettings &)> &change);
    // The file a save replaces: the settings file, or the file it links to.
    QString writtenPath() const;
    void removeLeftovers() const;

    QString path_;
};
