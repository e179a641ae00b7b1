// SPDX-License-Identifier: MIT
// Times one save and one load of the setup, then kills a saving process at
// random moments 200 times and counts how often the file was left unreadable.
//   bench_settings            the benchmark, in a temporary folder
//   bench_settings --writer F saves to F without end (used by the benchmark)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <csignal>

#include "settings/datetime.h"
#include "settings/inisettingsstore.h"

namespace {

StoredSetup sample(int round)
{
    StoredSetup setup;
    setup.timer = QString::number(round % 100);
    setup.sd = round % 3 == 0;
    setup.sm = round % 3 == 1;
    setup.am = round % 3 == 2;
    setup.tomorrow = round % 2 == 0;
    setup.wakeUpVolume = QString::number(round % 101);
    setup.startFile = QStringLiteral("/home/someone/Music/a tune number %1.mid").arg(round);
    setup.alarmTime = ToStoredDateTime(QDateTime(QDate(2026, 12, 7), QTime(7, round % 60)));
    return setup;
}

bool complete(const StoredSetup &setup)
{
    return setup.timer && !setup.timer->isEmpty() && setup.sd && setup.sm && setup.am && setup.tomorrow
        && setup.wakeUpVolume && setup.startFile && setup.alarmTime;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--writer") {
        IniSettingsStore store(QString::fromLocal8Bit(argv[2]));
        QString error;
        for (int round = 0;; ++round)
            store.write(sample(round), &error);
    }

    QTemporaryDir folder;
    IniSettingsStore store(folder.filePath(QStringLiteral("Somnelle.conf")));
    store.ensureSettingsFile();
    std::vector<double> saves, loads;
    QElapsedTimer timer;
    for (int round = 0; round < 200; ++round) {
        timer.start();
        QString error;
        if (!store.write(sample(round), &error))
            qFatal("%s", qPrintable(error));
        saves.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        const StoredSetup loaded = store.read();
        loads.push_back(timer.nsecsElapsed() / 1e6);
        if (!complete(loaded)) {
            std::fprintf(stderr, "round %d: the saved setup did not load\n", round);
            return 1;
        }
    }
    std::printf("save: median %.2f ms; load: median %.2f ms (200 each)\n", median(saves), median(loads));

    int unreadable = 0;
    QRandomGenerator random(2026);
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), store.path()});
        writer.waitForStarted();
        QThread::usleep(random.bounded(2000, 40000));
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();
        if (!complete(store.read()))
            ++unreadable;
    }
    std::printf("writer killed at random moments 200 times: file left unreadable %d times\n", unreadable);
    return unreadable == 0 ? 0 : 1;
}
