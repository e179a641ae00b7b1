// SPDX-License-Identifier: MIT
// Follows a mock media player (tests/support/mprisplayer.py, whose path is the
// argument) with the real adapter for 20 s: the bus messages the adapter sends
// per second while its 3-minute track plays on untouched (10 s), then while it
// is seeked twice and paused once (10 s), and how far the end its signals give
// is from the player's own. Run through bench/nowplaying.sh, which gives it a
// private session bus.

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "platform/mprisnowplaying.h"

namespace {

const QString Name = QStringLiteral("org.mpris.MediaPlayer2.bench");
const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

// The bench drives the player on a connection of its own, so that the adapter's messages are counted alone.
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

// Starts the mock player, playing; false when it does not come up.
bool startPlayer(QProcess &mock, const QString &playerTemplate)
{
    mock.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-m"), QStringLiteral("dbusmock"), Name, Path, Player});
    for (int tries = 0; !QDBusConnection::sessionBus().interface()->isServiceRegistered(Name); ++tries) {
        if (tries == 200)
            return false;
        QThread::msleep(50);
    }
    ask(MockInterface, QStringLiteral("AddTemplate"), {playerTemplate, QVariantMap()});
    ask(Player, QStringLiteral("Play"));
    return true;
}

// The messages from sender that dbus-monitor has shown since the last count:
// its own NameAcquired and NameLost come from the bus, and are not counted.
int sentSince(QProcess &monitor, const QString &sender)
{
    int messages = 0;
    for (const QByteArray &line : monitor.readAllStandardOutput().split('\n'))
        messages += line.split('\t').value(3) == sender.toUtf8();
    return messages;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::printf("usage: bench_nowplaying MOCK-PLAYER-TEMPLATE.py\n");
        return 2;
    }
    QProcess mock;
    if (!startPlayer(mock, QString::fromLocal8Bit(argv[1]))) {
        std::printf("the mock player did not start\n");
        return 1;
    }
    MprisNowPlaying playing(QDBusConnection::sessionBus());
    PlayingTrack last;
    QElapsedTimer since; // the last change told
    QObject::connect(&playing, &NowPlaying::changed, [&](const PlayingTrack &track) {
        last = track;
        since.start();
    });
    playing.follow(Name);
    // Once the first read is answered, everything the adapter's connection sends is counted.
    QProcess monitor;
    const QString sender = QDBusConnection::sessionBus().baseService();
    QTimer::singleShot(500, [&] {
        monitor.start(
            QStringLiteral("dbus-monitor"),
            {QStringLiteral("--session"), QStringLiteral("--profile"), QStringLiteral("sender='%1'").arg(sender)});
    });
    int quiet = 0;
    QTimer::singleShot(10500, [&] {
        quiet = sentSince(monitor, sender);
        seek(30);
    });
    QTimer::singleShot(12500, [] { seek(100); });
    QTimer::singleShot(14500, [] { ask(Player, QStringLiteral("Pause")); });
    QTimer::singleShot(16500, [] { ask(Player, QStringLiteral("Play")); });
    QTimer::singleShot(20500, [&] {
        const int busy = sentSince(monitor, sender);
        const double estimatedLeftMs = double(last.msLeft().value_or(0) - since.elapsed());
        const double ownLeftMs = ask(MockInterface, QStringLiteral("Left")).toDouble();
        std::printf("messages sent by the adapter while following a playing track:\n");
        std::printf("  untouched: %d in 10 s (%.1f per second)\n", quiet, quiet / 10.0);
        std::printf("  seeked twice, paused and played again: %d in 10 s (%.1f per second)\n", busy, busy / 10.0);
        std::printf("the end its signals give is %+.0f ms from the player's own\n", estimatedLeftMs - ownLeftMs);
        mock.kill();
        mock.waitForFinished();
        monitor.kill();
        monitor.waitForFinished();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
