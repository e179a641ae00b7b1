// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <cstdio>

// A mock media player (tests/support/mprisplayer.py) on the session bus,
// driven on a connection of its own, so that what the program under measure
// sends is counted alone.
class MockPlayer {
public:
    static inline const QString Name = QStringLiteral("org.mpris.MediaPlayer2.bench");
    static inline const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");
    static inline const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");
    static inline const QString Mock = QStringLiteral("org.freedesktop.DBus.Mock");

    ~MockPlayer()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // Starts it from its template, playing its 3-minute track; false when it does not come up.
    bool start(const QString &playerTemplate)
    {
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("dbusmock"), Name, Path, Player});
        for (int tries = 0; !QDBusConnection::sessionBus().interface()->isServiceRegistered(Name); ++tries) {
            if (tries == 200)
                return false;
            QThread::msleep(50);
        }
        ask(Mock, QStringLiteral("AddTemplate"), {playerTemplate, QVariantMap()});
        ask(Player, QStringLiteral("Play"));
        return true;
    }

    QVariant ask(const QString &interface, const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(Name, Path, interface, method);
        call.setArguments(arguments);
        const QDBusMessage reply
            = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("driver")).call(call);
        if (reply.type() != QDBusMessage::ReplyMessage)
            std::printf("the mock player refused %s: %s\n", qPrintable(method), qPrintable(reply.errorMessage()));
        return reply.arguments().value(0);
    }

    void seek(int seconds)
    {
        ask(Player, QStringLiteral("SetPosition"),
            {QVariant::fromValue(QDBusObjectPath(QStringLiteral("/track/1"))), qlonglong(seconds) * 1000000});
    }
    void pause() { ask(Player, QStringLiteral("Pause")); }
    void play() { ask(Player, QStringLiteral("Play")); }
    // The time its track has left to play, by its own clock, in ms: below 0 once it has played past its end.
    double msLeft() { return ask(Mock, QStringLiteral("Left")).toDouble(); }

private:
    QProcess process_;
};

// The messages from one sender that a dbus-monitor shows, counted since the
// last count: all of them, and those to the given names.
class SentCount {
public:
    struct Sent {
        int all = 0;
        int toNames = 0;
    };

    explicit SentCount(const QString &sender, const QStringList &names = {})
        : sender_(sender.toUtf8())
    {
        for (const QString &name : names)
            names_.append(name.toUtf8());
        monitor_.start(
            QStringLiteral("dbus-monitor"),
            {QStringLiteral("--session"), QStringLiteral("--profile"), QStringLiteral("sender='%1'").arg(sender)});
    }
    ~SentCount()
    {
        monitor_.kill();
        monitor_.waitForFinished();
    }

    // Its own NameAcquired and NameLost come from the bus, and are not counted.
    Sent since()
    {
        Sent sent;
        for (const QByteArray &line : monitor_.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.split('\t'); // type, time, serial, sender, destination, ...
            if (fields.value(3) != sender_)
                continue;
            ++sent.all;
            sent.toNames += names_.contains(fields.value(4));
        }
        return sent;
    }

private:
    QByteArray sender_;
    QList<QByteArray> names_;
    QProcess monitor_;
};
