// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QVariantMap>

// A menu entry as the dbusmenu interface sends it: its id, its properties
// (label, visible, ...) and, in a layout, its children.
struct DBusMenuEntry {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuEntry> children;
};

// The same without children, as GetGroupProperties answers.
struct DBusMenuEntryProperties {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuEntryPropertiesList = QList<DBusMenuEntryProperties>;

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEntry &entry);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEntry &entry);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEntryProperties &entry);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEntryProperties &entry);

Q_DECLARE_METATYPE(DBusMenuEntry)
Q_DECLARE_METATYPE(DBusMenuEntryProperties)
