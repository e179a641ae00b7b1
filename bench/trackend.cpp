// SPDX-License-Identifier: MIT
// Nights that end with the track, run by the real program against a mock
// media player (tests/support/mprisplayer.py, whose path is the argument) and
// a private sound server: the 3-minute track is seeked twice and paused once
// during each night, and the bench prints how far from the track's real end
// the player was paused and the end action came, and the messages the program
// sent to the player. Run through bench/trackend.sh, which gives it a private
// session bus and sound server.

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/realplatform.h"
#include "app/somnelle.h"
#include "mockplayer.h"
#include "standins.h"
#include "ui/mainwindow.h"

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct TrackNight {
    bool ended = false;
    double playedPastEndMs = 0; // below 0: the player was paused before its track's end
    double nightSeconds = 0;
    SentCount::Sent sent;
};

// From the track's start: at 5 s it is seeked to 1:00, at 10 s to 2:00, at
// 15 s paused for 5 s; the track then ends 75 s after the night began.
TrackNight RunNight(MockPlayer &player, const QStringList &playerNames)
{
    QTemporaryDir folder;
    RealPlatform real(folder.filePath(QStringLiteral("Somnelle.conf")));
    StopAtTheEnd end;
    NoLock awake;
    real.platform.power = &end;
    real.platform.awake = &awake;
    MainWindow form;
    Somnelle somnelle(real.platform, form);
    real.mixer.setLevel(65535);
    form.show();
    Wait(500);

    player.seek(0);
    player.play();
    SentCount sent(QDBusConnection::sessionBus().baseService(), playerNames);
    QElapsedTimer sinceStart;
    end.sinceStart = &sinceStart;
    QTimer::singleShot(5000, [&] { player.seek(60); });
    QTimer::singleShot(10000, [&] { player.seek(120); });
    QTimer::singleShot(15000, [&] { player.pause(); });
    QTimer::singleShot(20000, [&] { player.play(); });
    QTimer tooLate;
    tooLate.setSingleShot(true);
    QObject::connect(&tooLate, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    tooLate.start(100000);
    sinceStart.start();
    somnelle.handOver(Invocation::parse({QStringLiteral("--end-with-track"), QStringLiteral("sd")}), QString());
    QCoreApplication::exec();

    TrackNight night;
    night.ended = end.endedAtNs >= 0;
    night.playedPastEndMs = -player.msLeft();
    night.nightSeconds = sinceStart.nsecsElapsed() / 1e9;
    night.sent = sent.since();
    if (!night.ended)
        somnelle.cancelOrSilence();
    return night;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::printf("usage: bench_trackend MOCK-PLAYER-TEMPLATE.py\n");
        return 2;
    }
    MockPlayer player;
    if (!player.start(QString::fromLocal8Bit(argv[1]))) {
        std::printf("the mock player did not start\n");
        return 1;
    }
    const QStringList playerNames
        = {MockPlayer::Name, QDBusConnection::sessionBus().interface()->serviceOwner(MockPlayer::Name)};
    std::printf("nights with the track: its 3 minutes seeked to 1:00 and 2:00 and paused 5 s; it ends after 75 s\n");
    std::printf("round  night, s   track played past the pause, ms   messages to the player (per s)   all sent\n");
    int failed = 0;
    for (int round = 1; round <= 3; ++round) {
        const TrackNight night = RunNight(player, playerNames);
        if (!night.ended) {
            ++failed;
            std::printf("%5d  the night did not end within 100 s\n", round);
            continue;
        }
        std::printf("%5d  %8.2f   %+31.0f   %14d (%.2f)   %14d\n", round, night.nightSeconds, night.playedPastEndMs,
                    night.sent.toNames, night.sent.toNames / night.nightSeconds, night.sent.all);
        std::fflush(stdout);
    }
    return failed ? 1 : 0;
}
