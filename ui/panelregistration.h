// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

// The panel item's place on the bus: a name of its own for the item and its
// menu, told to the desktop's status-notifier watcher now and again to every
// watcher that appears later (a panel started or restarted mid-night). All
// of it goes out without waiting: a watcher that hangs or is not there only
// means that nothing shows.
class PanelRegistration : public QObject {
    Q_OBJECT
public:
    PanelRegistration(QDBusConnection bus, QObject *item, QObject *menu, QObject *parent = nullptr);
    ~PanelRegistration() override;

    // Puts the item on the bus under a new name and tells the watcher of it.
    void publish();
    // Takes it off the bus: panels drop the item as its name goes.
    void withdraw();

private:
    void tellWatcher();

    QDBusConnection bus_;
    QObject *item_;
    QObject *menu_;
    QDBusServiceWatcher watcher_;
    QString name_;       // while published
    bool owned_ = false; // the bus gave us name_
    int names_ = 0;      // taken so far
};
