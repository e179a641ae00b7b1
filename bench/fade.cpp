// SPDX-License-Identifier: MIT
// Runs real fades with the real clock and mixer (the end action is only
// recorded) and prints the CPU time they cost per minute of fade, and their
// wake-ups per second, in rounds of:
// - a shell loop that sets the same sink's volume with pactl once a second;
// - a whole 2-minute fade, from Start to its end action: the percent shown
//   changes nearly every second, so the readout, the title and the slider are
//   redrawn each tick;
// - a 30-minute fade, as a night's fade runs (the percent changes about every
//   18 seconds): its first 20 seconds, which hold the start's one-off work,
//   and the 40 after them, from which the rest of the 30 minutes is reckoned;
//   its end's work is taken from the 2-minute fade's last second.
// On a shared or virtual machine the cost of a tick depends on what else runs:
// a tick is small work after a second's sleep, mostly cache refills. On a
// busy host each page first used after the sleep can cost microseconds (the
// cold page column), so the pages a tick uses are printed too: they do not
// depend on the host. The three of a round run back to back so that each
// ratio compares like with like, and the medians over the rounds are what to
// quote. Run through bench/fade.sh, which gives it a private sound server
// and Qt's offscreen platform.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <vector>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include "app/realplatform.h"
#include "app/somnelle.h"
#include "audio/alsamixer.h"
#include "ui/mainwindow.h"
#include "procstatus.h"
#include "standins.h"

namespace {

double ChildrenCpuSeconds()
{
    rusage children {};
    getrusage(RUSAGE_CHILDREN, &children);
    return double(children.ru_utime.tv_sec + children.ru_stime.tv_sec)
        + (children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e6;
}

// CPU time per minute of all the processes of a shell loop that lowers the
// volume with pactl once a second for the given seconds.
double PactlLoopCpuPerMinute(int seconds)
{
    const double before = ChildrenCpuSeconds();
    const pid_t child = fork();
    if (child == 0) {
        const QByteArray loop = QByteArrayLiteral("for i in $(seq ") + QByteArray::number(seconds)
            + QByteArrayLiteral("); do pactl set-sink-volume @DEFAULT_SINK@ $((100 - i))%; sleep 1; done");
        execlp("bash", "bash", "-c", loop.constData(), nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    // The loop's shell and everything it ran; this program has no other children.
    return (ChildrenCpuSeconds() - before) / (seconds / 60.0);
}

// Forgets which of this process's pages were used, so that the next look
// counts those used from now on.
void ForgetUsedPages()
{
    const int file = open("/proc/self/clear_refs", O_WRONLY);
    if (file >= 0) {
        [[maybe_unused]] const ssize_t written = write(file, "1", 1);
        close(file);
    }
}

// The pages this process used since ForgetUsedPages; -1 when unknown. Read
// with plain system calls, so that the look itself adds next to nothing.
long UsedPages()
{
    static char text[4096];
    const int file = open("/proc/self/smaps_rollup", O_RDONLY);
    if (file < 0)
        return -1;
    const ssize_t size = read(file, text, sizeof text - 1);
    close(file);
    if (size <= 0)
        return -1;
    text[size] = 0;
    static const char referenced[] = "Referenced:";
    const char *field = std::strstr(text, referenced);
    return field ? std::strtol(field + sizeof referenced - 1, nullptr, 10) / 4 : -1;
}

// What a fade cost from Start to a checkpoint and from there to its end,
// and how many pages it used in one second holding one tick.
struct FadeRun {
    Usage atStart, atCheckpoint, atEnd;
    double checkpointSeconds = 0, endSeconds = 0;
    double lastTickSeconds = -1; // when it handed over to the end action; -1 when cancelled before
    long pagesInATick = -1;
};

// A fade of the given minutes from full volume, run to its end or cancelled
// after `seconds`; the pages are counted from half a second after the tick
// at `pagesAfterSeconds`.
FadeRun RunFade(int minutes, int seconds, int checkpointSeconds, int pagesAfterSeconds)
{
    QTemporaryDir folder;
    RealPlatform real(folder.filePath(QStringLiteral("Somnelle.conf")));
    StopAtTheEnd end;
    NoLock awake;
    real.platform.power = &end;
    real.platform.awake = &awake;
    MainWindow form;
    Somnelle somnelle(real.platform, form);
    AlsaMixer &mixer = real.mixer;
    mixer.setLevel(65535);
    form.show();
    // What opening the window asks of the mixer (its level, the watch) is
    // done before Start, as when a person presses it.
    QEventLoop opened;
    QTimer::singleShot(500, &opened, &QEventLoop::quit);
    opened.exec();

    FadeRun run;
    QElapsedTimer sinceStart;
    end.sinceStart = &sinceStart;
    QTimer checkpoint;
    checkpoint.setSingleShot(true);
    QObject::connect(&checkpoint, &QTimer::timeout, [&] {
        run.atCheckpoint = ProcessUsage();
        run.checkpointSeconds = sinceStart.nsecsElapsed() / 1e9;
    });
    QTimer measuredEnough;
    measuredEnough.setSingleShot(true);
    QObject::connect(&measuredEnough, &QTimer::timeout, [] { QCoreApplication::exit(0); });
    QTimer pagesFrom, pagesTo;
    pagesFrom.setSingleShot(true);
    pagesTo.setSingleShot(true);
    QObject::connect(&pagesFrom, &QTimer::timeout, [] { ForgetUsedPages(); });
    QObject::connect(&pagesTo, &QTimer::timeout, [&run] { run.pagesInATick = UsedPages(); });
    pagesFrom.start(pagesAfterSeconds * 1000 + 500);
    pagesTo.start(pagesAfterSeconds * 1000 + 1500);
    checkpoint.start(checkpointSeconds * 1000);
    measuredEnough.start(seconds * 1000 + 500);
    run.atStart = ProcessUsage();
    sinceStart.start();
    // As a shortcut starts it: the window shows the command line's fields, and the fade runs.
    somnelle.handOver(Invocation::parse({QString::number(minutes), QStringLiteral("sd")}), QString());
    QCoreApplication::exec();
    run.atEnd = ProcessUsage();
    run.endSeconds = sinceStart.nsecsElapsed() / 1e9;
    if (somnelle.status() != QLatin1String("idle"))
        somnelle.cancelOrSilence();
    else
        run.lastTickSeconds = end.endedAtNs / 1e9;
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double ThreadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// How cold the machine leaves a program that slept for a second: the CPU time
// of reading one byte from each of 500 pages of this program's file after a
// one-second sleep, in microseconds per page (median of 5). Warm, it is a few
// nanoseconds; a tick touches hundreds of pages of code and data, so this is
// what a tick's cost moves with from one run to the next.
double ColdPageMicroseconds()
{
    const int file = open("/proc/self/exe", O_RDONLY);
    struct stat status {};
    if (file < 0 || fstat(file, &status) != 0)
        return -1;
    const long pages = status.st_size / 4096;
    void *mapped = mmap(nullptr, size_t(status.st_size), PROT_READ, MAP_PRIVATE, file, 0);
    close(file);
    if (mapped == MAP_FAILED || pages < 500)
        return -1;
    const auto *bytes = static_cast<const volatile unsigned char *>(mapped);
    const auto touch = [&] {
        unsigned sum = 0;
        for (long page = 0; page < 500; ++page)
            sum += bytes[(page * 7919 % pages) * 4096 + page * 64 % 4096];
        return sum;
    };
    touch();
    std::vector<double> perPage;
    for (int sample = 0; sample < 5; ++sample) {
        sleep(1);
        const double start = ThreadCpuSeconds();
        touch();
        perPage.push_back((ThreadCpuSeconds() - start) / 500 * 1e6);
    }
    munmap(mapped, size_t(status.st_size));
    return Median(perPage);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = 3;
    const int loopSeconds = 40;
    const int nightMinutes = 30;
    const int nightStartSeconds = 20;
    const int nightSteadySeconds = 40;
    std::printf("%d rounds: CPU s per minute of fade, (wake-ups per second), the loop's cost over the fade's\n",
                rounds);
    std::printf(
        "round  pactl loop   2-min fade, whole    30-min fade          cold page, us   pages a tick, 2 / 30 min\n");
    std::vector<double> loops, shortFades, nightFades, shortRatios, nightRatios, wakeUps, lastTicksOff;
    double residentAfterFirstFade = 0;
    for (int round = 1; round <= rounds; ++round) {
        const double loop = PactlLoopCpuPerMinute(loopSeconds);

        // Checked just before the last tick: what follows is the end's work, the same for every fade.
        const FadeRun whole = RunFade(2, 130, 119, 60);
        const double shortFade = (whole.atEnd.cpuSeconds - whole.atStart.cpuSeconds) / 2;
        const double endCost = whole.atEnd.cpuSeconds - whole.atCheckpoint.cpuSeconds;
        const double shortWakeUps = (whole.atEnd.wakeUps - whole.atStart.wakeUps) / whole.endSeconds;
        lastTicksOff.push_back(whole.lastTickSeconds - 120);
        if (round == 1)
            residentAfterFirstFade = ProcStatusValue("VmRSS") / 1024.0;

        // The start's and the end's work count once in the 30 minutes, the steady rate for the rest of them.
        const FadeRun night = RunFade(nightMinutes, nightStartSeconds + nightSteadySeconds, nightStartSeconds,
                                      nightStartSeconds + nightSteadySeconds / 2);
        const double startCost = night.atCheckpoint.cpuSeconds - night.atStart.cpuSeconds;
        const double steadySeconds = night.endSeconds - night.checkpointSeconds;
        const double steadyRate = (night.atEnd.cpuSeconds - night.atCheckpoint.cpuSeconds) / steadySeconds;
        const double nightFade
            = (startCost + steadyRate * (nightMinutes * 60 - night.checkpointSeconds) + endCost) / nightMinutes;
        const double nightWakeUps = (night.atEnd.wakeUps - night.atCheckpoint.wakeUps) / steadySeconds;

        std::printf("%5d  %10.3f   %.4f (%.2f) %5.1f   %.4f (%.2f) %5.1f   %13.2f   %5ld / %ld\n", round, loop,
                    shortFade, shortWakeUps, loop / shortFade, nightFade, nightWakeUps, loop / nightFade,
                    ColdPageMicroseconds(), whole.pagesInATick, night.pagesInATick);
        std::fflush(stdout);
        loops.push_back(loop);
        shortFades.push_back(shortFade);
        nightFades.push_back(nightFade);
        shortRatios.push_back(loop / shortFade);
        nightRatios.push_back(loop / nightFade);
        wakeUps.push_back(std::max(shortWakeUps, nightWakeUps));
    }
    std::printf("median %9.3f   %.4f        %5.1f   %.4f        %5.1f\n", Median(loops), Median(shortFades),
                Median(shortRatios), Median(nightFades), Median(nightRatios));
    std::printf(
        "the loop costs %.1f times the 2-minute fade and %.1f times the 30-minute one (medians of the rounds)\n",
        Median(shortRatios), Median(nightRatios));
    std::printf("wake-ups: at most %.2f per second in any fade measured\n",
                *std::max_element(wakeUps.begin(), wakeUps.end()));
    std::printf("last tick of the 2-minute fades: off by %+.3f to %+.3f s\n",
                *std::min_element(lastTicksOff.begin(), lastTicksOff.end()),
                *std::max_element(lastTicksOff.begin(), lastTicksOff.end()));
    std::printf("resident memory after the first fade: %.1f MB, after them all: %.1f MB\n", residentAfterFirstFade,
                ProcStatusValue("VmRSS") / 1024.0);
    return 0;
}
