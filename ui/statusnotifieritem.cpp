// SPDX-License-Identifier: MIT
#include "ui/statusnotifieritem.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <utility>

const QString StatusNotifierItem::Path = QStringLiteral("/StatusNotifierItem");

StatusNotifierItem::StatusNotifierItem(const QDBusObjectPath &menu, QObject *parent)
    : QObject(parent)
    , menu_(menu)
{
    qDBusRegisterMetaType<PanelIconImage>();
    qDBusRegisterMetaType<PanelIcon>();
    qDBusRegisterMetaType<PanelToolTip>();
}

QString StatusNotifierItem::name() const
{
    return QCoreApplication::applicationName();
}

void StatusNotifierItem::setIcon(const PanelIcon &icon)
{
    icon_ = icon;
    Q_EMIT NewIcon();
}

void StatusNotifierItem::setToolTip(const QString &text)
{
    toolTip_ = text;
    Q_EMIT NewToolTip();
}

void StatusNotifierItem::Activate(int, int)
{
    // A token is good for one activation.
    Q_EMIT activated(std::exchange(token_, QString()));
}

void StatusNotifierItem::ProvideXdgActivationToken(const QString &token)
{
    token_ = token;
}
