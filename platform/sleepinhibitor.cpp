// SPDX-License-Identifier: MIT
#include "platform/sleepinhibitor.h"

#include <QCoreApplication>
#include <QTimer>
#include <limits>
#include <utility>

#include "platform/dbuscall.h"
#include "platform/logging.h"

const QString SleepInhibitor::ApplicationId = QStringLiteral("org.somnelle.Somnelle");

namespace {

constexpr int TimeoutMs = 2000;
// A holder's answer is awaited past the time-out, so that a lock granted late is given back.
constexpr int LateAnswerMs = std::numeric_limits<int>::max();
// The session manager's flag for suspend only; 8 (idle) would also keep the screen on.
constexpr uint GnomeInhibitSuspend = 4;
// Shown in the desktop's power menus: in the user's language.
QString reason()
{
    return QCoreApplication::translate("SleepInhibitor", "A sleep timer is running and its alarm must ring");
}

struct Call {
    QString service;
    QString path;
    QString interface;
};

const Call GnomeSession {QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
                         QStringLiteral("org.gnome.SessionManager")};
const Call PowerManagement {QStringLiteral("org.freedesktop.PowerManagement"),
                            QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"),
                            QStringLiteral("org.freedesktop.PowerManagement.Inhibit")};
const Call Logind {QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                   QStringLiteral("org.freedesktop.login1.Manager")};

QDBusMessage message(const Call &call, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(call.service, call.path, call.interface, method);
    message.setArguments(arguments);
    // A service that is not running is not started for us: that one is not the desktop's.
    message.setAutoStartService(false);
    return message;
}

QDBusMessage uninhibit(bool gnome, uint cookie)
{
    return gnome ? message(GnomeSession, QStringLiteral("Uninhibit"), {cookie})
                 : message(PowerManagement, QStringLiteral("UnInhibit"), {cookie});
}

} // namespace

SleepInhibitor::SleepInhibitor(const QDBusConnection &sessionBus, const QDBusConnection &systemBus, QObject *parent)
    : AwakeLock(parent)
    , sessionBus_(sessionBus)
    , systemBus_(systemBus)
{
}

SleepInhibitor::~SleepInhibitor()
{
    release();
}

void SleepInhibitor::hold()
{
    wanted_ = true;
    if (held_ == Holder::None && !asking_)
        tryHolder(Holder::GnomeSession);
}

void SleepInhibitor::tryHolder(Holder holder)
{
    QDBusConnection bus = holder == Holder::Logind ? systemBus_ : sessionBus_;
    QDBusMessage request;
    switch (holder) {
    case Holder::GnomeSession:
        request
            = message(GnomeSession, QStringLiteral("Inhibit"), {ApplicationId, uint(0), reason(), GnomeInhibitSuspend});
        break;
    case Holder::PowerManagement:
        request = message(PowerManagement, QStringLiteral("Inhibit"), {ApplicationId, reason()});
        break;
    case Holder::Logind:
        request = message(Logind, QStringLiteral("Inhibit"),
                          {QStringLiteral("sleep"), QStringLiteral("Somnelle"), reason(), QStringLiteral("block")});
        break;
    case Holder::None:
        return;
    }
    asking_ = true;
    // The answer or the time-out, whichever comes first, decides; a lock granted late is given back.
    DBusCall::sendOnce(
        bus, request, LateAnswerMs, TimeoutMs, asked_, this,
        [this, holder](const QDBusMessage &reply) {
            asking_ = false;
            took(holder, reply);
        },
        [this, holder](const QDBusError &error) {
            asking_ = false;
            notTaken(holder, error);
        },
        [this, holder](const QDBusMessage &reply) {
            if (holder != Holder::Logind) // logind's lock ends with the reply
                sessionBus_.asyncCall(uninhibit(holder == Holder::GnomeSession, reply.arguments().value(0).toUInt()),
                                      TimeoutMs);
        });
}

void SleepInhibitor::notTaken(Holder holder, const QDBusError &error)
{
    if (!wanted_) {
        drop();
        return;
    }
    if (holder == Holder::Logind) {
        qCWarning(lcInhibit).noquote()
            << QStringLiteral("Somnelle: cannot keep the computer awake: %1 (%2)").arg(error.message(), error.name());
        return;
    }
    // The next way, whether this one is missing or refused.
    tryHolder(holder == Holder::GnomeSession ? Holder::PowerManagement : Holder::Logind);
}

void SleepInhibitor::took(Holder holder, const QDBusMessage &reply)
{
    held_ = holder;
    if (holder == Holder::Logind)
        lock_ = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    else
        cookie_ = reply.arguments().value(0).toUInt();
    // The session may have ended while we asked.
    if (!wanted_)
        drop();
}

void SleepInhibitor::release()
{
    wanted_ = false;
    // While a request is out, its answer decides what there is to give back.
    if (!asking_)
        drop();
}

void SleepInhibitor::drop()
{
    const Holder held = std::exchange(held_, Holder::None);
    switch (held) {
    case Holder::None:
        break;
    case Holder::Logind:
        lock_ = QDBusUnixFileDescriptor(); // closing our descriptor ends the lock
        break;
    case Holder::GnomeSession:
    case Holder::PowerManagement: {
        // The lock is gone once the holder has answered (or did not, in time).
        const auto gone = [this](const auto &) { Q_EMIT released(); };
        DBusCall::send(sessionBus_, uninhibit(held == Holder::GnomeSession, cookie_), TimeoutMs, this, gone, gone);
        return;
    }
    }
    Q_EMIT released();
}
