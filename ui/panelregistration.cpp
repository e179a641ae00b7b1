// SPDX-License-Identifier: MIT
#include "ui/panelregistration.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QLoggingCategory>

#include "platform/dbuscall.h"
#include "ui/dbusmenu.h"
#include "ui/statusnotifieritem.h"

namespace {

// Quiet unless asked for: a desktop without a panel hears nothing of it.
Q_LOGGING_CATEGORY(lcPanel, "somnelle.panel", QtWarningMsg)

// Our own bus daemon answers at once; a watcher is a panel's process, which may hang.
constexpr int BusTimeoutMs = 2000;
constexpr int WatcherTimeoutMs = 5000;
// RequestName's flag: fail rather than wait in the queue for a name someone else has.
constexpr uint DoNotQueue = 4;

const QString WatcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

QDBusMessage busDaemonCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), method);
    call.setArguments(arguments);
    return call;
}

} // namespace

PanelRegistration::PanelRegistration(QDBusConnection bus, QObject *item, QObject *menu, QObject *parent)
    : QObject(parent)
    , bus_(std::move(bus))
    , item_(item)
    , menu_(menu)
    , watcher_(WatcherName, bus_, QDBusServiceWatcher::WatchForOwnerChange)
{
    // A new owner, also one that took the name straight from the last (a panel that replaced another).
    connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) {
                if (owned_ && !owner.isEmpty())
                    tellWatcher();
            });
}

PanelRegistration::~PanelRegistration()
{
    withdraw();
}

void PanelRegistration::publish()
{
    if (!name_.isEmpty())
        return;
    // A name a night: a panel that still holds the last night's item sees it go and this one come.
    name_ = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++names_);
    const auto exported = QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals
        | QDBusConnection::ExportAllProperties;
    bus_.registerObject(StatusNotifierItem::Path, item_, exported);
    bus_.registerObject(DBusMenu::Path, menu_, exported);
    const QString name = name_;
    DBusCall::send(
        bus_, busDaemonCall(QStringLiteral("RequestName"), {name, DoNotQueue}), BusTimeoutMs, this,
        [this, name](const QDBusMessage &) {
            // Withdrawn meanwhile: the release already follows on the bus.
            if (name != name_)
                return;
            owned_ = true;
            tellWatcher();
        },
        [name](const QDBusError &error) { qCDebug(lcPanel) << "no bus name" << name << error.message(); });
}

void PanelRegistration::tellWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherName, QStringLiteral("/StatusNotifierWatcher"),
                                                       WatcherName, QStringLiteral("RegisterStatusNotifierItem"));
    call.setArguments({name_});
    // No watcher, or one that does not answer: the item stays unseen until a watcher appears.
    DBusCall::send(
        bus_, call, WatcherTimeoutMs, this, [](const QDBusMessage &) {},
        [](const QDBusError &error) { qCDebug(lcPanel) << "not in the panel:" << error.message(); });
}

void PanelRegistration::withdraw()
{
    if (name_.isEmpty())
        return;
    bus_.unregisterObject(StatusNotifierItem::Path);
    bus_.unregisterObject(DBusMenu::Path);
    DBusCall::send(
        bus_, busDaemonCall(QStringLiteral("ReleaseName"), {name_}), BusTimeoutMs, this, [](const QDBusMessage &) {},
        [](const QDBusError &) {});
    name_.clear();
    owned_ = false;
}
