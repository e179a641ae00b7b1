// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>

// One size of the panel item's icon as the status-notifier interface sends
// it: ARGB32, each pixel's four bytes in network order.
struct PanelIconImage {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using PanelIcon = QList<PanelIconImage>;

// The item's tool tip: an icon name, pictures, a title and a longer text.
struct PanelToolTip {
    QString iconName;
    PanelIcon icon;
    QString title;
    QString text;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PanelIconImage &image);
const QDBusArgument &operator>>(const QDBusArgument &argument, PanelIconImage &image);
QDBusArgument &operator<<(QDBusArgument &argument, const PanelToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, PanelToolTip &toolTip);

Q_DECLARE_METATYPE(PanelIconImage)
Q_DECLARE_METATYPE(PanelToolTip)
