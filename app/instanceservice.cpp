// SPDX-License-Identifier: MIT
#include "app/instanceservice.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QEventLoop>
#include <QLoggingCategory>
#include <cstdio>

#include "app/somnelle.h"
#include "platform/mprisnowplaying.h"
#include "platform/systemclock.h"
#include "session/sessiontext.h"
#include "session/sleepnote.h"
#include "settings/inisettingsstore.h"
#include "settings/filenamebytes.h"
#include "settings/invocation.h"

Q_LOGGING_CATEGORY(lcInstance, "somnelle.instance", QtInfoMsg)

const QString InstanceService::Name = QStringLiteral("org.somnelle.Somnelle");
const QString InstanceService::Path = QStringLiteral("/org/somnelle/Somnelle");

namespace {

// The running one answers at once, or once the players have (a night with
// the track, a resume); a hung one must not hold up a shortcut.
constexpr int CallTimeoutMs = 5000;
constexpr int ResumeTimeoutMs = 15000;

QDBusMessage callRunning(QDBusConnection bus, const QString &method, const QVariantList &arguments = {},
                         int timeoutMs = CallTimeoutMs)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(InstanceService::Name, InstanceService::Path, InstanceService::Name, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, timeoutMs);
}

void printLine(FILE *stream, const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

bool running(QDBusConnection bus)
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(InstanceService::Name).value();
}

// A Somnelle that holds the name but does not answer (stopped, or hung) is
// still running: a second one beside it would fade against it.
QString doesNotAnswer(QDBusConnection bus)
{
    const QDBusReply<uint> pid = bus.interface()->servicePid(InstanceService::Name);
    return QCoreApplication::translate("Instance", "Somnelle (pid %1) runs but does not answer")
        .arg(pid.isValid() ? QString::number(pid.value()) : QStringLiteral("?"));
}

// Arguments travel as bytes ("aay"): a file name need not be UTF-8.
void registerArgumentType()
{
    static const QMetaType registered = qDBusRegisterMetaType<QByteArrayList>();
    Q_UNUSED(registered);
}

bool ownerLeft(const QDBusMessage &reply)
{
    return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

// The owner does not answer a start: exit status 1, and why.
int nothingStarted(QDBusConnection bus)
{
    printLine(stderr, QCoreApplication::translate("Instance", "%1; nothing was started").arg(doesNotAnswer(bus)));
    return 1;
}

// Hands the command line over, with this process's folder, where a relative
// start file is. Answers this start's exit status; nullopt when the owner left
// the bus before answering.
std::optional<int> handOver(QDBusConnection bus, const QStringList &arguments, const QString &activationToken)
{
    registerArgumentType();
    QByteArrayList bytes;
    for (const QString &argument : arguments)
        bytes << FileNameBytes::encode(argument);
    const QByteArray folder = FileNameBytes::encode(FileNameBytes::currentFolder());
    const QDBusMessage reply
        = callRunning(bus, QStringLiteral("HandOver"), {QVariant::fromValue(bytes), folder, activationToken});
    if (reply.type() == QDBusMessage::ReplyMessage) {
        const int outcome = reply.arguments().value(0).toInt();
        if (outcome != 0)
            printLine(stderr, reply.arguments().value(1).toString());
        return outcome;
    }
    if (ownerLeft(reply))
        return std::nullopt;
    return nothingStarted(bus);
}

} // namespace

InstanceService::InstanceService(Somnelle &somnelle, QObject *parent)
    : QObject(parent)
    , somnelle_(somnelle)
{
    registerArgumentType();
}

bool InstanceService::publish(QDBusConnection bus)
{
    return bus.registerObject(Path, this, QDBusConnection::ExportScriptableSlots);
}

int InstanceService::HandOver(const QByteArrayList &arguments, const QByteArray &folder, const QString &activationToken,
                              QString &message)
{
    QStringList words;
    for (const QByteArray &argument : arguments)
        words << FileNameBytes::decode(argument);
    Invocation asked = Invocation::parse(words);
    asked.folder = FileNameBytes::decode(folder);
    const HandOverAnswer answer = somnelle_.handOver(asked, activationToken);
    if (answer.outcome == HandOverAnswer::Pending)
        replyWhen(&Somnelle::startAnswered, [](const HandOverAnswer &later) {
            return QVariantList {int(later.outcome), later.message};
        });
    message = answer.message;
    return int(answer.outcome);
}

template <typename Signal, typename Reply>
void InstanceService::replyWhen(Signal answered, Reply reply)
{
    setDelayedReply(true);
    const QDBusMessage call = message();
    QDBusConnection bus = connection();
    auto *once = new QObject(this);
    connect(&somnelle_, answered, once, [call, bus, once, reply](const auto &...values) mutable {
        QDBusMessage answer = call.createReply();
        answer.setArguments(reply(values...));
        bus.send(answer);
        delete once;
    });
}

bool InstanceService::Resume(QString &said)
{
    replyWhen(&Somnelle::resumeAnswered, [](bool resumed, const QString &words) {
        return QVariantList {resumed, words};
    });
    somnelle_.resume();
    said.clear();
    return false;
}

QString InstanceService::Extend(int minutes)
{
    return somnelle_.extend(minutes);
}

void InstanceService::Cancel()
{
    somnelle_.cancelOrSilence();
}

QString InstanceService::Status()
{
    return somnelle_.status();
}

QString Instance::launcherToken()
{
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

std::optional<int> Instance::takeNameOrHandOver(QDBusConnection bus, const QStringList &arguments,
                                                const QString &activationToken)
{
    if (!bus.isConnected()) {
        qCInfo(lcInstance, "Somnelle: no session bus; running on its own");
        return std::nullopt;
    }
    // Twice at most: the owner may leave between our two questions.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> registered
            = bus.interface()->registerService(InstanceService::Name, QDBusConnectionInterface::DontQueueService,
                                               QDBusConnectionInterface::DontAllowReplacement);
        if (registered.isValid() && registered.value() == QDBusConnectionInterface::ServiceRegistered)
            return std::nullopt;
        if (const std::optional<int> outcome = handOver(bus, arguments, activationToken))
            return outcome;
    }
    return nothingStarted(bus);
}

int Instance::handOverWithoutWindow(QDBusConnection bus, const QStringList &arguments, const QString &activationToken)
{
    if (running(bus)) {
        if (const std::optional<int> outcome = handOver(bus, arguments, activationToken))
            return *outcome;
    }
    printLine(stderr,
              QCoreApplication::translate("Instance",
                                          "somnelle: no display to open a window on, and no Somnelle "
                                          "runs to hand the command line to"));
    return 1;
}

int Instance::runControlCommand(QDBusConnection bus, const Invocation &asked)
{
    const bool status = asked.kind == Invocation::Kind::Status;
    if (asked.kind == Invocation::Kind::Resume)
        return running(bus) ? resumeThere(bus) : resumeHere(bus);
    if (!running(bus)) {
        printLine(status ? stdout : stderr, QStringLiteral("not running"));
        return 3;
    }
    const QDBusMessage reply = status            ? callRunning(bus, QStringLiteral("Status"))
        : asked.kind == Invocation::Kind::Cancel ? callRunning(bus, QStringLiteral("Cancel"))
                                                 : callRunning(bus, QStringLiteral("Extend"), {asked.minutes});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        printLine(stderr, doesNotAnswer(bus));
        return 1;
    }
    const QString answer = reply.arguments().value(0).toString();
    if (status) {
        printLine(stdout, answer);
        return 0;
    }
    if (!answer.isEmpty()) {
        printLine(stderr, answer);
        return 1;
    }
    return 0;
}

int Instance::resumeThere(QDBusConnection bus)
{
    const QDBusMessage reply = callRunning(bus, QStringLiteral("Resume"), {}, ResumeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        printLine(stderr, doesNotAnswer(bus));
        return 1;
    }
    const bool resumed = reply.arguments().value(0).toBool();
    printLine(resumed ? stdout : stderr, reply.arguments().value(1).toString());
    return resumed ? 0 : 1;
}

int Instance::resumeHere(QDBusConnection bus)
{
    IniSettingsStore settings;
    MprisNowPlaying playing(bus);
    SystemClock clock;
    SleepNote note(settings, playing, clock);
    int status = 1;
    QEventLoop answered;
    QObject::connect(&note, &SleepNote::resumed, &answered, [&](ResumeOutcome outcome, const TrackNote &noted) {
        const bool resumed = outcome == ResumeOutcome::Resumed;
        printLine(resumed ? stdout : stderr, SessionText::resumeAnswer(outcome, noted));
        status = resumed ? 0 : 1;
        answered.quit();
    });
    // Answered in time whatever the player does; an answer already given ends the loop at once.
    QMetaObject::invokeMethod(&note, &SleepNote::resume, Qt::QueuedConnection);
    answered.exec();
    return status;
}
