// SPDX-License-Identifier: MIT
#include "ui/dbusmenu.h"

#include <QDBusMetaType>

const QString DBusMenu::Path = QStringLiteral("/MenuBar");

DBusMenu::DBusMenu(QObject *parent)
    : QObject(parent)
{
    qDBusRegisterMetaType<DBusMenuEntry>();
    qDBusRegisterMetaType<DBusMenuEntryProperties>();
    qDBusRegisterMetaType<DBusMenuEntryPropertiesList>();
}

int DBusMenu::addEntry(const QString &label)
{
    labels_ << label;
    visible_ << true;
    return int(labels_.size());
}

void DBusMenu::setVisible(int id, bool visible)
{
    if (visible_.value(id - 1, visible) == visible)
        return;
    visible_[id - 1] = visible;
    Q_EMIT LayoutUpdated(++revision_, 0);
}

QVariantMap DBusMenu::properties(int id) const
{
    // The root holds the entries; an id we never gave has no properties.
    if (id == 0)
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    if (id < 0 || id > labels_.size())
        return {};
    return {{QStringLiteral("label"), labels_[id - 1]}, {QStringLiteral("visible"), visible_[id - 1]}};
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList &, DBusMenuEntry &layout) const
{
    layout = {parentId, properties(parentId), {}};
    if (parentId == 0 && recursionDepth != 0)
        for (int id = 1; id <= labels_.size(); ++id)
            layout.children << DBusMenuEntry {id, properties(id), {}};
    return revision_;
}

DBusMenuEntryPropertiesList DBusMenu::GetGroupProperties(const QList<int> &ids, const QStringList &) const
{
    DBusMenuEntryPropertiesList entries;
    for (const int id : ids)
        entries << DBusMenuEntryProperties {id, properties(id)};
    return entries;
}

void DBusMenu::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    if (eventId == QLatin1String("clicked"))
        Q_EMIT clicked(id);
}

bool DBusMenu::AboutToShow(int) const
{
    return false;
}
