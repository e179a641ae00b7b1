// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusObjectPath>
#include <QObject>

#include "ui/statusnotifiertypes.h"

// The panel item as a panel reads it (org.kde.StatusNotifierItem at Path):
// our name, an icon in pictures, a tool tip and the path of its menu. Every
// property is answered from what it holds; a change is announced with a
// signal, and the panel reads it back when it likes.
class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ name)
    Q_PROPERTY(QString Title READ name)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ noName)
    Q_PROPERTY(PanelIcon IconPixmap READ icon)
    Q_PROPERTY(QString OverlayIconName READ noName)
    Q_PROPERTY(PanelIcon OverlayIconPixmap READ noIcon)
    Q_PROPERTY(QString AttentionIconName READ noName)
    Q_PROPERTY(PanelIcon AttentionIconPixmap READ noIcon)
    Q_PROPERTY(QString AttentionMovieName READ noName)
    Q_PROPERTY(PanelToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
public:
    static const QString Path;

    StatusNotifierItem(const QDBusObjectPath &menu, QObject *parent = nullptr);

    void setIcon(const PanelIcon &icon);
    void setToolTip(const QString &text);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString name() const;
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString noName() const { return {}; }
    PanelIcon icon() const { return icon_; }
    PanelIcon noIcon() const { return {}; }
    PanelToolTip toolTip() const { return {QString(), {}, toolTip_, QString()}; }
    // A left click activates; the menu is for the other button.
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return menu_; }

public Q_SLOTS:
    // A left click on the item, at a place on the screen.
    Q_SCRIPTABLE void Activate(int x, int y);
    // Before a click, from a panel on Wayland: the token that lets our window take the focus.
    Q_SCRIPTABLE void ProvideXdgActivationToken(const QString &token);

Q_SIGNALS:
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewToolTip();
    // A click, with the token the panel gave for it, if any.
    void activated(const QString &token);

private:
    const QDBusObjectPath menu_;
    PanelIcon icon_;
    QString toolTip_;
    QString token_;
};
