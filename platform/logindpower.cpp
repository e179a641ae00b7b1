// SPDX-License-Identifier: MIT
#include "platform/logindpower.h"

#include "platform/dbuscall.h"
#include "platform/logging.h"

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString Path = QStringLiteral("/org/freedesktop/login1");
const QString Manager = QStringLiteral("org.freedesktop.login1.Manager");

// The questions are quick; the actions may wait on polkit.
constexpr int QuestionTimeoutMs = 5000;
constexpr int ActionTimeoutMs = 25000;

void warnCannotAsk(const QString &verb, const QDBusError &error)
{
    qCWarning(lcPower).noquote() << QStringLiteral("Somnelle: cannot ask whether the computer may %1: %2 (%3)")
                                        .arg(verb, error.message(), error.name());
}

} // namespace

LogindPower::LogindPower(const QDBusConnection &systemBus, QObject *parent)
    : Power(parent)
    , bus_(systemBus)
{
}

QDBusMessage LogindPower::managerCall(const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Manager, method);
    message.setArguments(arguments);
    return message;
}

void LogindPower::refuse(const QString &what, const QDBusError &error)
{
    qCWarning(lcPower).noquote() << QStringLiteral("Somnelle: %1: %2 (%3)").arg(what, error.message(), error.name());
    Q_EMIT refused(error.message().isEmpty() ? error.name() : error.message());
}

void LogindPower::probePowerActions(EndAction chosen)
{
    // Both are asked whatever the choice; only the chosen one is worth a word.
    const std::pair<EndAction, QString> questions[]
        = {{EndAction::PowerOff, QStringLiteral("CanPowerOff")}, {EndAction::Suspend, QStringLiteral("CanSuspend")}};
    for (const auto &[action, method] : questions) {
        const bool chosenOne = action == chosen;
        const QString verb = action == EndAction::PowerOff ? QStringLiteral("power off") : QStringLiteral("suspend");
        DBusCall::send(
            bus_, managerCall(method), QuestionTimeoutMs, this,
            [chosenOne, verb](const QDBusMessage &reply) {
                const QString answer = reply.arguments().value(0).toString();
                if (chosenOne && (answer == QLatin1String("no") || answer == QLatin1String("na")))
                    qCWarning(lcPower).noquote()
                        << QStringLiteral("Somnelle: the system will not let this user %1 (\"%2\")").arg(verb, answer);
            },
            [chosenOne, verb](const QDBusError &error) {
                if (chosenOne)
                    warnCannotAsk(verb, error);
            });
    }
}

void LogindPower::powerOff()
{
    DBusCall::send(
        bus_, managerCall(QStringLiteral("PowerOff"), {false}), ActionTimeoutMs, this, [](const QDBusMessage &) {},
        [this](const QDBusError &error) { refuse(QStringLiteral("power-off refused"), error); });
}

void LogindPower::suspend()
{
    // Answered once the computer has resumed.
    DBusCall::send(
        bus_, managerCall(QStringLiteral("Suspend"), {false}), ActionTimeoutMs, this,
        [this](const QDBusMessage &) { Q_EMIT resumed(); },
        [this](const QDBusError &error) { refuse(QStringLiteral("suspend refused"), error); });
}
