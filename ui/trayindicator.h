// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "ui/dbusmenu.h"
#include "ui/panelregistration.h"
#include "ui/statusnotifieritem.h"

// The night in the panel's notification area, while a session runs or its
// wake-up sounds: an icon (the fade's share still to go as a ring that
// empties, or the alarm clock of the wait and the wake-up), its tool tip,
// and a menu to show the window, add a quarter of an hour, cancel or
// silence. At rest there is none, and a desktop without a panel shows
// nothing and says nothing. It is our own status-notifier item on the bus
// it is given: nothing waits for a panel, and a panel that comes later, even
// mid-night, is told of it. It shows what it is told, and says what the
// person asks.
class TrayIndicator : public QObject {
    Q_OBJECT
public:
    struct View {
        bool alarmClock = false; // the wait and the wake-up; otherwise the night with its ring
        bool fading = false;     // a quarter of an hour can be added
        double left = 1;         // of the fade, 0 to 1
        QString toolTip;
        bool sounding = false; // the wake-up sounds: silence it rather than cancel
    };

    explicit TrayIndicator(QDBusConnection bus, QObject *parent = nullptr);

    // The icon as the panel gets it, at each size: the alarm clock, or the night with its ring.
    static PanelIcon drawIcon(bool alarmClock, double left);

public Q_SLOTS:
    void show(const View &view);
    void remove();

Q_SIGNALS:
    // With the panel's activation token for the window, where it gave one.
    void windowWanted(const QString &token);
    void extendRequested();
    void cancelRequested();
    void silenceRequested();

private:
    StatusNotifierItem item_;
    DBusMenu menu_;
    PanelRegistration registration_;
    int extend_;
    int cancel_;
    int silence_;
    // What the item shows now (the alarm clock, or the ring's steps); only a change goes out.
    bool shown_ = false;
    int pictureShown_ = 0;
    QString toolTipShown_;
};
