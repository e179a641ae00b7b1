// SPDX-License-Identifier: MIT
#include "app/instanceservice.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <cstdio>

#include "app/somnelle.h"
#include "session/sessioncontroller.h"
#include "settings/commandline.h"

const QString InstanceService::Name = QStringLiteral("org.somnelle.Somnelle");
const QString InstanceService::Path = QStringLiteral("/org/somnelle/Somnelle");

namespace {

// The running one answers at once; a hung one must not hold up a shortcut.
constexpr int CallTimeoutMs = 5000;

QDBusMessage callRunning(QDBusConnection bus, const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(InstanceService::Name, InstanceService::Path, InstanceService::Name, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, CallTimeoutMs);
}

void printLine(FILE *stream, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

bool running(QDBusConnection bus)
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(InstanceService::Name).value();
}

} // namespace

InstanceService::InstanceService(Somnelle &somnelle, QObject *parent)
    : QObject(parent)
    , somnelle_(somnelle)
{
}

bool InstanceService::publish(QDBusConnection bus)
{
    return bus.registerObject(Path, this, QDBusConnection::ExportScriptableSlots);
}

void InstanceService::Activate()
{
    somnelle_.raiseWindow();
}

QString InstanceService::HandOver(const QStringList &arguments)
{
    return somnelle_.handOver(arguments);
}

QString InstanceService::Extend(int minutes)
{
    return somnelle_.session().extend(minutes);
}

void InstanceService::Cancel()
{
    if (somnelle_.session().isRunning())
        somnelle_.session().startOrCancel();
}

QString InstanceService::Status()
{
    return somnelle_.session().describe();
}

NameOutcome TakeNameOrHandOver(QDBusConnection bus, const QStringList &arguments)
{
    if (!bus.isConnected()) {
        qInfo("Somnelle: no session bus; running on its own");
        return NameOutcome::RunAlone;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> registered
        = bus.interface()->registerService(InstanceService::Name, QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    if (registered.isValid() && registered.value() == QDBusConnectionInterface::ServiceRegistered)
        return NameOutcome::Taken;

    const QDBusMessage reply = arguments.isEmpty() ? callRunning(bus, QStringLiteral("Activate"))
                                                   : callRunning(bus, QStringLiteral("HandOver"), {arguments});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qInfo("Somnelle: the running Somnelle does not answer (%s); running on its own",
              qPrintable(reply.errorMessage()));
        return NameOutcome::RunAlone;
    }
    const QString refusal = reply.arguments().value(0).toString();
    if (refusal.isEmpty())
        return NameOutcome::HandedOver;
    printLine(stderr, refusal);
    return NameOutcome::Refused;
}

std::optional<int> RunControlCommand(QDBusConnection bus, const QStringList &arguments)
{
    const QString option = arguments.value(0);
    QVariantList callArguments;
    QString method;
    if (option == QLatin1String("--status") && arguments.size() == 1) {
        method = QStringLiteral("Status");
    } else if (option == QLatin1String("--cancel") && arguments.size() == 1) {
        method = QStringLiteral("Cancel");
    } else if (option == QLatin1String("--extend")) {
        const std::optional<qint32> minutes = WholeNumberFromText(arguments.value(1));
        if (arguments.size() != 2 || arguments.value(1).size() > 2 || !minutes || *minutes < 1 || *minutes > 99) {
            printLine(stderr, QStringLiteral("usage: somnelle --extend MINUTES (1 to 99)"));
            return 2;
        }
        method = QStringLiteral("Extend");
        callArguments << int(*minutes);
    } else {
        return std::nullopt;
    }

    if (!running(bus)) {
        printLine(method == QLatin1String("Status") ? stdout : stderr, QStringLiteral("not running"));
        return 3;
    }
    const QDBusMessage reply = callRunning(bus, method, callArguments);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        printLine(stderr, QStringLiteral("the running Somnelle does not answer: %1").arg(reply.errorMessage()));
        return 1;
    }
    const QString answer = reply.arguments().value(0).toString();
    if (method == QLatin1String("Status")) {
        printLine(stdout, answer);
        return 0;
    }
    if (!answer.isEmpty()) {
        printLine(stderr, answer);
        return 1;
    }
    return 0;
}
