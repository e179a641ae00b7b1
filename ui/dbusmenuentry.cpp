// SPDX-License-Identifier: MIT
#include "ui/dbusmenuentry.h"

#include <QDBusVariant>

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    // Each child goes as a variant of its own: the layout nests to any depth.
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const DBusMenuEntry &child : entry.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    entry.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        entry.children << qdbus_cast<DBusMenuEntry>(child.variant());
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEntryProperties &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEntryProperties &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}
