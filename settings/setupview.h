// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

// The window's setup fields, which are the data the settings store and the
// session read. The three end actions are numbered in the window's order.
class SetupView {
public:
    enum Choice { Shutdown = 0, SuspendMode = 1, AlarmMode = 2 };

    virtual ~SetupView() = default;

    virtual QString minutesText() const = 0;
    virtual void setMinutesText(const QString &text) = 0;
    virtual bool isChoiceChecked(Choice choice) const = 0;
    // Checking a choice unchecks the other two and runs its rule when it
    // was not checked before; unchecking only clears it.
    virtual void setChoiceChecked(Choice choice, bool checked) = 0;
    virtual bool tomorrow() const = 0;
    virtual void setTomorrow(bool tomorrow) = 0;
    virtual QString wakeUpVolumeText() const = 0;
    virtual void setWakeUpVolumeText(const QString &text) = 0;
    virtual QString startFile() const = 0;
    virtual void setStartFile(const QString &file) = 0;
    // The picker's date and time of day.
    virtual QDateTime alarmDateTime() const = 0;
    virtual void setAlarmDateTime(const QDateTime &dateTime) = 0;
};
