// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>

#include "platform/taskbarprogress.h"

// The progress as the com.canonical.Unity.LauncherEntry Update signal on the
// session bus, which Plasma's task manager and the common GNOME docks show on
// the program's button: a bar for the share gone, a count of minutes left.
class LauncherEntry : public TaskbarProgress {
    Q_OBJECT
public:
    explicit LauncherEntry(const QDBusConnection &sessionBus, QObject *parent = nullptr);

    void show(double progress, int minutesLeft) override;
    void clear() override;

private:
    void update(const QVariantMap &properties);

    QDBusConnection bus_;
};
