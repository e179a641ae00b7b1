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

#include "settings/inisettingsstore.h"
#include "settings/setup.h"

namespace {

Setup sample(int round)
{
    Setup setup;
    setup.minutes = QString::number(round % 100 + 1);
    setup.endAction = EndAction(1 + round % 3);
    setup.tomorrow = round % 2 == 0;
    setup.wakeUpPercent = QString::number(round % 101);
    setup.startFile = QStringLiteral("/home/someone/Music/a tune number %1.mid").arg(round);
    setup.wakeUpTime = QTime(7, round % 60);
    return setup;
}

// Every value loads: the wake-up time, stored last, is read only when all before it were.
bool loadsCompletely(IniSettingsStore &store)
{
    Setup setup;
    store.load(setup);
    return !setup.minutes.isEmpty() && setup.wakeUpTime.isValid();
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
            store.save(sample(round), &error);
    }

    QTemporaryDir folder;
    IniSettingsStore store(folder.filePath(QStringLiteral("Somnelle.conf")));
    store.ensureSettingsFile();
    std::vector<double> saves, loads;
    QElapsedTimer timer;
    for (int round = 0; round < 200; ++round) {
        timer.start();
        QString error;
        if (!store.save(sample(round), &error))
            qFatal("%s", qPrintable(error));
        saves.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        const bool loaded = loadsCompletely(store);
        loads.push_back(timer.nsecsElapsed() / 1e6);
        if (!loaded) {
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
        if (!loadsCompletely(store))
            ++unreadable;
    }
    std::printf("writer killed at random moments 200 times: file left unreadable %d times\n", unreadable);
    return unreadable == 0 ? 0 : 1;
}
