// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

// The tests' private buses and the python3-dbusmock services on them.
namespace DBusMock {

// The private bus that tests/with-services.sh started; a test stops at once
// if the address is not the set-up's own, so no test can reach the real bus.
inline QDBusConnection privateBus(QDBusConnection::BusType type)
{
    const char *variable = type == QDBusConnection::SystemBus ? "DBUS_SYSTEM_BUS_ADDRESS" : "DBUS_SESSION_BUS_ADDRESS";
    const QString address = QString::fromLocal8Bit(qgetenv(variable));
    if (!address.startsWith(QLatin1String("unix:path=/tmp/somnelle-test.")))
        qFatal("%s is not the tests' private bus", variable);
    return type == QDBusConnection::SystemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

struct Mock {
    QDBusConnection bus;
    QString service;
    QString path;

    QDBusInterface control() const
    {
        return QDBusInterface(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), bus);
    }
    // The methods called so far, each as "Name arg1 arg2", lists and maps with
    // commas. QDBus::BlockWithGui lets the code under test go on meanwhile, as
    // a mock busy answering late would hold up its time-outs.
    QStringList calls(QDBus::CallMode mode = QDBus::Block) const
    {
        const QDBusMessage reply
            = bus.call(QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                      QStringLiteral("GetCalls")),
                       mode);
        if (reply.type() == QDBusMessage::ErrorMessage)
            return {reply.errorName()}; // gone, most likely
        QStringList calls;
        const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            quint64 time;
            QString name;
            QVariantList arguments;
            list.beginStructure();
            list >> time >> name >> arguments;
            list.endStructure();
            QStringList words {name};
            for (const QVariant &argument : arguments)
                words << word(argument);
            calls << words.join(QLatin1Char(' '));
        }
        list.endArray();
        return calls;
    }
    static QString word(const QVariant &argument)
    {
        if (argument.metaType() == QMetaType::fromType<QDBusObjectPath>())
            return argument.value<QDBusObjectPath>().path();
        if (argument.metaType() == QMetaType::fromType<QStringList>())
            return argument.toStringList().join(QLatin1Char(','));
        if (argument.metaType() == QMetaType::fromType<uchar>())
            return QString::number(argument.toUInt());
        if (argument.metaType() != QMetaType::fromType<QDBusArgument>())
            return argument.toString();
        QStringList pairs;
        const QVariantMap map = qdbus_cast<QVariantMap>(argument);
        for (auto pair = map.cbegin(); pair != map.cend(); ++pair)
            pairs << pair.key() + QLatin1Char('=') + word(pair.value());
        return pairs.join(QLatin1Char(','));
    }
    void clearCalls() const { control().call(QStringLiteral("ClearCalls")); }
    void addMethod(const QString &interface, const QString &name, const QString &in, const QString &out,
                   const QString &code) const
    {
        const QDBusMessage reply = control().call(QStringLiteral("AddMethod"), interface, name, in, out, code);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }
};

inline Mock logind()
{
    return {privateBus(QDBusConnection::SystemBus), QStringLiteral("org.freedesktop.login1"),
            QStringLiteral("/org/freedesktop/login1")};
}

// The "what who mode" of every inhibitor logind holds.
inline QStringList inhibitors()
{
    QDBusMessage reply = logind().bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors")));
    QStringList held;
    const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid, pid;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        held << QStringList({what, who, mode}).join(QLatin1Char(' '));
    }
    list.endArray();
    return held;
}

// A service of the test's own on the private session bus, with no methods yet.
class SessionService {
public:
    SessionService(const QString &service, const QString &path, const QString &interface)
        : mock_ {privateBus(QDBusConnection::SessionBus), service, path}
    {
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("dbusmock"), service, path, interface});
        // Its own name, not one that the previous test's is still giving up.
        QTRY_COMPARE_WITH_TIMEOUT(mock_.bus.interface()->servicePid(service).value(), uint(process_.processId()),
                                  10000);
    }
    ~SessionService()
    {
        process_.kill();
        process_.waitForFinished();
    }
    const Mock &mock() const { return mock_; }
    // Stopped, it plays a service that hangs: calls to it are never answered until it goes on.
    void hang(bool hung) { ::kill(pid_t(process_.processId()), hung ? SIGSTOP : SIGCONT); }

private:
    Mock mock_;
    QProcess process_;
};

} // namespace DBusMock
