// SPDX-License-Identifier: MIT
#include "platform/systemwakealarm.h"

#include <QDBusObjectPath>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <cerrno>
#include <ctime>
#include <limits>
#include <linux/capability.h>
#include <sys/timerfd.h>
#include <unistd.h>
#include <utility>

#include "platform/dbuscall.h"
#include "platform/logging.h"

const QString SystemWakeAlarm::CallbackPath = QStringLiteral("/org/somnelle/Somnelle/WakeAlarm");

namespace {

// The bus answers at once; a power manager that does not is no route.
constexpr int TimeoutMs = 2000;
// A wake set after we gave up on it must still be cleared, so its answer is
// waited for as long as the power manager is on the bus (libdbus's "no time-out").
constexpr int LateAnswerMs = std::numeric_limits<int>::max();
const QString PowerManager = QStringLiteral("org.kde.Solid.PowerManagement");
const QString PowerManagerPath = QStringLiteral("/org/kde/Solid/PowerManagement");

// Whether the process whose /proc status file this is may set wake alarms.
bool holdsWakeAlarm(const QString &statusFile)
{
    QFile file(statusFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("CapEff:"))
            continue;
        bool ok = false;
        const quint64 effective = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && (effective & (Q_UINT64_C(1) << CAP_WAKE_ALARM)) != 0;
    }
    return false;
}

// Whether the machine has a clock that can wake it: many virtual machines and
// some boards have none, and then no timer of anyone's wakes the computer.
bool hasWakeClock()
{
    timespec resolution {};
    return clock_getres(CLOCK_REALTIME_ALARM, &resolution) == 0;
}

QDBusMessage powerManagerCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(PowerManager, PowerManagerPath, PowerManager, method);
    call.setArguments(arguments);
    // One that is not running is not the desktop's: it is not started for us.
    call.setAutoStartService(false);
    return call;
}

// Nothing waits for the answer: the worst a lost one does is wake the computer for nothing.
void clearWakeup(QDBusConnection bus, uint cookie)
{
    bus.asyncCall(powerManagerCall(QStringLiteral("clearWakeup"), {int(cookie)}), TimeoutMs);
}

} // namespace

// What the power manager calls after the wake. It is accepted and nothing
// more: the program's own wait for the moment goes on by itself.
class WakeupCallback : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PowerManagement")
public:
    using QObject::QObject;

public Q_SLOTS:
    void wakeupCallback(int /*cookie*/) {}
};

SystemWakeAlarm::SystemWakeAlarm(const QDBusConnection &sessionBus, QObject *parent)
    : WakeAlarm(parent)
    , bus_(sessionBus)
    , callback_(new WakeupCallback(this))
{
}

SystemWakeAlarm::~SystemWakeAlarm()
{
    disarm();
}

void SystemWakeAlarm::findRoute()
{
    if (finding_)
        return;
    if (!hasWakeClock()) {
        found(Route::None);
        return;
    }
    if (holdsWakeAlarm(QStringLiteral("/proc/self/status"))) {
        found(Route::Kernel);
        return;
    }
    if (!bus_.isConnected()) {
        found(Route::None);
        return;
    }
    finding_ = true;
    const QDBusMessage owner = QDBusMessage::createMethodCall(
                                   QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                   QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"))
        << PowerManager;
    DBusCall::send(
        bus_, owner, TimeoutMs, this,
        [this](const QDBusMessage &reply) {
            const bool holds
                = holdsWakeAlarm(QStringLiteral("/proc/%1/status").arg(reply.arguments().value(0).toUInt()));
            found(holds ? Route::PowerManager : Route::None);
        },
        [this](const QDBusError &) { found(Route::None); });
}

void SystemWakeAlarm::found(Route route)
{
    finding_ = false;
    Q_EMIT routeFound(route);
    if (wanted_.isValid())
        armBy(route);
}

void SystemWakeAlarm::arm(const QDateTime &at)
{
    disarm();
    wanted_ = at;
    // Looked for again: a power manager may have come up, or gone, since the last time.
    findRoute();
}

void SystemWakeAlarm::armBy(Route route)
{
    const QDateTime at = std::exchange(wanted_, QDateTime());
    // A timer for a moment gone expires at once: the computer would sleep through the alarm.
    if (at <= QDateTime::currentDateTime()) {
        fail(QStringLiteral("The wake-up time has passed"));
        return;
    }
    if (route == Route::None) {
        fail(QStringLiteral("Neither Somnelle nor a power manager may wake this computer"));
        return;
    }
    if (route == Route::PowerManager) {
        armPowerManager(at);
        return;
    }
    const int timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC | TFD_NONBLOCK);
    const qint64 ms = at.toMSecsSinceEpoch();
    itimerspec when {};
    when.it_value = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000 * 1000000)};
    if (timer < 0 || timerfd_settime(timer, TFD_TIMER_ABSTIME, &when, nullptr) != 0) {
        const QString error = qt_error_string(errno);
        if (timer >= 0)
            ::close(timer);
        fail(QStringLiteral("The wake-up timer could not be set: %1").arg(error));
        return;
    }
    timer_ = timer;
    armed_ = Route::Kernel;
    Q_EMIT armed(Route::Kernel);
}

void SystemWakeAlarm::armPowerManager(const QDateTime &at)
{
    if (!bus_.registerObject(CallbackPath, callback_, QDBusConnection::ExportAllSlots)) {
        fail(QStringLiteral("The power manager could not be given a way to call back"));
        return;
    }
    const QDBusMessage schedule = powerManagerCall(
        QStringLiteral("scheduleWakeup"),
        {bus_.baseService(), QVariant::fromValue(QDBusObjectPath(CallbackPath)), quint64(at.toSecsSinceEpoch())});
    // The night cannot wait for a slow answer. The answer is taken whatever
    // became of us: a wake set after we let go of it, or too late, is cleared
    // when its cookie comes.
    DBusCall::sendOnce(
        bus_, schedule, LateAnswerMs, TimeoutMs, scheduled_, QCoreApplication::instance(),
        [this](const QDBusMessage &reply) {
            cookie_ = reply.arguments().value(0).toUInt();
            armed_ = Route::PowerManager;
            Q_EMIT armed(Route::PowerManager);
        },
        [this](const QDBusError &error) {
            if (error.type() != QDBusError::NoReply) {
                fail(QStringLiteral("The power manager did not set the wake-up: %1").arg(error.message()));
                return;
            }
            disarm();
            fail(QStringLiteral("The power manager did not answer in time"));
        },
        [bus = bus_](const QDBusMessage &reply) { clearWakeup(bus, reply.arguments().value(0).toUInt()); });
}

void SystemWakeAlarm::disarm()
{
    wanted_ = QDateTime();
    scheduled_.drop();
    if (timer_ >= 0)
        ::close(std::exchange(timer_, -1));
    if (armed_ == Route::PowerManager)
        clearWakeup(bus_, cookie_);
    armed_ = Route::None;
    if (bus_.objectRegisteredAt(CallbackPath) == callback_)
        bus_.unregisterObject(CallbackPath);
}

void SystemWakeAlarm::fail(const QString &reason)
{
    qCWarning(lcWake).noquote() << QStringLiteral("Somnelle: cannot wake the computer for the alarm: %1").arg(reason);
    Q_EMIT armFailed(reason);
}

bool SystemWakeAlarm::isArmed() const
{
    return armed_ != Route::None;
}

#include "systemwakealarm.moc"
