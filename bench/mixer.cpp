// SPDX-License-Identifier: MIT
// Times one open-set-close of the master volume, from the request to its
// answer (the mixer's worker opens, sets and closes), and counts what the
// process holds after 10 and after 1,000 operations. Run through
// bench/mixer.sh, which gives it a private PulseAudio server.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "audio/alsamixer.h"
#include "procstatus.h"

namespace {

int openFileDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AlsaMixer mixer;
    QEventLoop answered;
    bool failed = false;
    QObject::connect(&mixer, &Mixer::levelRead, &answered, &QEventLoop::quit);
    QObject::connect(&mixer, &Mixer::unavailable, &answered, [&] {
        failed = true;
        answered.quit();
    });
    std::vector<double> times;
    int descriptorsAfter10 = 0;
    int threadsAfter10 = 0;
    QElapsedTimer timer;
    for (int i = 1; i <= 1000; ++i) {
        timer.start();
        mixer.setLevel(quint16((i * 97) % 65536));
        answered.exec();
        if (failed) {
            std::fprintf(stderr, "the mixer could not be set (operation %d)\n", i);
            return 1;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (i == 10) {
            descriptorsAfter10 = openFileDescriptors();
            threadsAfter10 = int(ProcStatusValue("Threads"));
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("open-set-close of the master volume, answered: median %.2f ms, 90th percentile %.2f ms (1000 "
                "operations)\n",
                times[times.size() / 2], times[times.size() * 9 / 10]);
    std::printf("after 10 operations: %d file descriptors, %d threads\n", descriptorsAfter10, threadsAfter10);
    std::printf("after 1000 operations: %d file descriptors, %d threads\n", openFileDescriptors(),
                int(ProcStatusValue("Threads")));
    return 0;
}
