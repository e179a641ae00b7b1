// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QIcon;
class QMenu;
class QSystemTrayIcon;

// The night in the panel's notification area, while a session runs or its
// wake-up sounds: an icon (the fade's share still to go as a ring that
// empties, or the alarm clock), its tool tip, and a menu to show the window,
// add a quarter of an hour, cancel or silence. At rest there is none, and a
// desktop without a tray shows nothing and says nothing. Qt looks for the
// desktop's watcher, with blocking calls, when the icon is made: so it is
// made when a session begins, and a panel that came up after us is found.
// It shows what it is told, and says what the person asks.
class TrayIndicator : public QObject {
    Q_OBJECT
public:
    struct View {
        bool fading = false; // the ring; otherwise the alarm clock
        double left = 1;     // of the fade, 0 to 1
        QString toolTip;
        bool sounding = false; // the wake-up sounds: silence it rather than cancel
    };

    explicit TrayIndicator(QObject *parent = nullptr);
    ~TrayIndicator() override;

    bool isShown() const { return bool(icon_); }
    // The icon as it is drawn, at a size.
    static QIcon drawIcon(bool fading, double left);

public Q_SLOTS:
    void show(const View &view);
    void remove();

Q_SIGNALS:
    void windowWanted();
    void extendRequested();
    void cancelRequested();
    void silenceRequested();

private:
    std::unique_ptr<QMenu> menu_;
    QAction *extend_;
    QAction *cancel_;
    QAction *silence_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    // What the icon shows now: each setting goes out on the bus, changed or not.
    View shown_;
    int ringShown_ = -1;
    bool lookedForTray_ = false;
};
