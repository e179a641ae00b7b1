// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QStringList>

#include "ui/dbusmenuentry.h"

// The panel item's menu as panels read it (com.canonical.dbusmenu at Path):
// one level of entries, each a label that can be hidden. The panel draws the
// menu itself and says which entry was clicked; a change of what shows is
// announced as a new layout.
class DBusMenu : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    static const QString Path;

    explicit DBusMenu(QObject *parent = nullptr);

    // A new entry at the end; answers its id.
    int addEntry(const QString &label);
    void setVisible(int id, bool visible);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                DBusMenuEntry &layout) const;
    Q_SCRIPTABLE DBusMenuEntryPropertiesList GetGroupProperties(const QList<int> &ids,
                                                                const QStringList &propertyNames) const;
    Q_SCRIPTABLE void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    // Nothing is built late: the menu is always up to date.
    Q_SCRIPTABLE bool AboutToShow(int id) const;

Q_SIGNALS:
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    void clicked(int id);

private:
    QVariantMap properties(int id) const;

    QStringList labels_; // entry id - 1
    QList<bool> visible_;
    uint revision_ = 1;
};
