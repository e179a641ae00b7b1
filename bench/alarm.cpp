// SPDX-License-Identifier: MIT
// Runs a 1-minute fade in alarm mode with the real clock, mixer, logind and
// sleep lock, then measures the wait for the wake-up over the given number of
// minutes (default 10): CPU time, scaled to an hour, and wake-ups per minute.
// Run through bench/alarm.sh, which gives it a private sound server and a mock logind.

#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include <QApplication>

#include "app/realplatform.h"
#include "app/somnelle.h"
#include "ui/mainwindow.h"
#include "procstatus.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? QByteArray(argv[1]).toInt() : 10;
    QTemporaryDir folder;
    RealPlatform real(folder.filePath(QStringLiteral("Somnelle.conf")));
    MainWindow window;
    Somnelle somnelle(real.platform, window);
    window.show();
    // Rings well after the measurement ends.
    const QString wakeUp = QTime::currentTime().addSecs((minutes + 5) * 60).toString(QStringLiteral("HH:mm"));
    somnelle.handOver(Invocation::parse({QStringLiteral("1"), QStringLiteral("am"), wakeUp, QStringLiteral("td"),
                                         QStringLiteral("40"), QStringLiteral("europe.mid")}),
                      QString());

    Usage waitStart {};
    QTimer::singleShot(62 * 1000, [&] {
        if (!somnelle.status().startsWith(QLatin1String("waiting for the wake-up"))) {
            std::printf("the session is not waiting for the wake-up\n");
            QCoreApplication::exit(1);
        }
        waitStart = ProcessUsage();
    });
    QTimer::singleShot((62 + minutes * 60) * 1000, [&] {
        const Usage waitEnd = ProcessUsage();
        std::printf("alarm wait measured over %d minutes:\n", minutes);
        std::printf("CPU time: %.4f s per hour of waiting\n",
                    (waitEnd.cpuSeconds - waitStart.cpuSeconds) * 60 / minutes);
        std::printf("wake-ups of the whole process: %.1f per minute (and %.1f preemptions)\n",
                    double(waitEnd.wakeUps - waitStart.wakeUps) / minutes,
                    double(waitEnd.preemptions - waitStart.preemptions) / minutes);
        std::printf("resident memory: %.1f MB\n", ProcStatusValue("VmRSS") / 1024.0);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
