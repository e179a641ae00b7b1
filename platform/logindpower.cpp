// SPDX-License-Identifier: MIT
#include "platform/logindpower.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "platform/logging.h"

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString Path = QStringLiteral("/org/freedesktop/login1");
const QString Manager = QStringLiteral("org.freedesktop.login1.Manager");

// The questions are quick; the actions may wait on polkit.
constexpr int QuestionTimeoutMs = 5000;
constexpr int ActionTimeoutMs = 25000;

// The reason for a refusal as logind gives it, and on standard error too.
QString refusal(const QString &what, const QDBusMessage &reply)
{
    qCWarning(lcPower).noquote()
        << QStringLiteral("Somnelle: %1: %2 (%3)").arg(what, reply.errorMessage(), reply.errorName());
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

} // namespace

LogindPower::LogindPower(const QDBusConnection &systemBus, QObject *parent)
    : QObject(parent)
    , bus_(systemBus)
{
}

void LogindPower::call(const QString &method, const QVariantList &arguments, int timeoutMs,
                       std::function<void(const QDBusMessage &reply)> done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Manager, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void LogindPower::probePowerActions(EndAction chosen)
{
    // Both are asked whatever the choice; only the chosen one is worth a word.
    const std::pair<EndAction, QString> questions[]
        = {{EndAction::PowerOff, QStringLiteral("CanPowerOff")}, {EndAction::Suspend, QStringLiteral("CanSuspend")}};
    for (const auto &[action, method] : questions) {
        const bool chosenOne = action == chosen;
        const QString verb = action == EndAction::PowerOff ? QStringLiteral("power off") : QStringLiteral("suspend");
        call(method, {}, QuestionTimeoutMs, [chosenOne, verb](const QDBusMessage &reply) {
            if (!chosenOne)
                return;
            if (reply.type() == QDBusMessage::ErrorMessage) {
                refusal(QStringLiteral("cannot ask whether the computer may %1").arg(verb), reply);
                return;
            }
            const QString answer = reply.arguments().value(0).toString();
            if (answer == QLatin1String("no") || answer == QLatin1String("na"))
                qCWarning(lcPower).noquote()
                    << QStringLiteral("Somnelle: the system will not let this user %1 (\"%2\")").arg(verb, answer);
        });
    }
}

void LogindPower::powerOff(std::function<void(const QString &reason)> refused)
{
    call(QStringLiteral("PowerOff"), {false}, ActionTimeoutMs,
         [refused = std::move(refused)](const QDBusMessage &reply) {
             if (reply.type() == QDBusMessage::ErrorMessage)
                 refused(refusal(QStringLiteral("power-off refused"), reply));
         });
}

void LogindPower::suspend(std::function<void(const QString &refusal)> answered)
{
    call(QStringLiteral("Suspend"), {false}, ActionTimeoutMs,
         [answered = std::move(answered)](const QDBusMessage &reply) {
             answered(reply.type() == QDBusMessage::ErrorMessage ? refusal(QStringLiteral("suspend refused"), reply)
                                                                 : QString());
         });
}
