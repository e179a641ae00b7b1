// SPDX-License-Identifier: MIT
// Follows a mock media player (tests/support/mprisplayer.py, whose path is the
// argument) with the real adapter for 20 s: the bus messages the adapter sends
// per second while its 3-minute track plays on untouched (10 s), then while it
// is seeked twice and paused once (10 s), and how far the end its signals give
// is from the player's own. Run through bench/nowplaying.sh, which gives it a
// private session bus.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "mockplayer.h"
#include "platform/mprisnowplaying.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::printf("usage: bench_nowplaying MOCK-PLAYER-TEMPLATE.py\n");
        return 2;
    }
    MockPlayer mock;
    if (!mock.start(QString::fromLocal8Bit(argv[1]))) {
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
    playing.follow(MockPlayer::Name);
    // Once the first read is answered, everything the adapter's connection sends is counted.
    std::unique_ptr<SentCount> sent;
    QTimer::singleShot(500, [&] { sent = std::make_unique<SentCount>(QDBusConnection::sessionBus().baseService()); });
    int quiet = 0;
    QTimer::singleShot(10500, [&] {
        quiet = sent->since().all;
        mock.seek(30);
    });
    QTimer::singleShot(12500, [&] { mock.seek(100); });
    QTimer::singleShot(14500, [&] { mock.pause(); });
    QTimer::singleShot(16500, [&] { mock.play(); });
    QTimer::singleShot(20500, [&] {
        const int busy = sent->since().all;
        const double estimatedLeftMs = double(last.msLeft().value_or(0) - since.elapsed());
        const double ownLeftMs = mock.msLeft();
        std::printf("messages sent by the adapter while following a playing track:\n");
        std::printf("  untouched: %d in 10 s (%.1f per second)\n", quiet, quiet / 10.0);
        std::printf("  seeked twice, paused and played again: %d in 10 s (%.1f per second)\n", busy, busy / 10.0);
        std::printf("the end its signals give is %+.0f ms from the player's own\n", estimatedLeftMs - ownLeftMs);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
