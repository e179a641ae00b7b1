// Runs real fades with the real clock and mixer (the end action is only
// recorded) and prints, per minute of fade, the CPU time they used, and their
// wake-ups per second:
// - a whole 2-minute fade, and how far its last tick landed from 120 s after
//   Start;
// - then, in rounds, a shell loop that sets the same sink's volume with pactl
//   once a second, the start of a 2-minute fade (the percent shown changes
//   nearly every second: the readout, the title and the slider are redrawn
//   each tick) and the start of a 30-minute fade, as a night's fade runs (the
//   percent changes about every 18 seconds).
// On a shared or virtual machine the cost of a tick depends on what else runs:
// a tick is small work after a second's sleep, mostly cache refills. The three
// of a round run back to back so that each ratio compares like with like, and
// the medians over the rounds are what to quote. Run through bench/fade.sh,
// which gives it a private sound server and Qt's offscreen platform.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/application.h"
#include "app/somnelle.h"
#include "audio/alsachime.h"
#include "audio/alsamixer.h"
#include "session/desktopshell.h"
#include "session/mprisplayers.h"
#include "session/awakelock.h"
#include "session/power.h"
#include "session/systemclock.h"
#include "settings/inisettingsstore.h"
#include "ui/tform1.h"
#include "procstatus.h"

namespace {

// Notes when the fade handed over, and stops the program there.
class StopAtTheEnd : public Power {
public:
    QElapsedTimer *sinceStart = nullptr;
    qint64 endedAtNs = -1;

    void EnableShutdownPrivilege(Action) override {}
    void powerOff() override
    {
        endedAtNs = sinceStart->nsecsElapsed();
        QCoreApplication::exit(0);
    }
    void suspend(std::function<void()>) override { powerOff(); }
};

// The computer is not kept awake for a benchmark.
class NoLock : public AwakeLock {
public:
    void hold() override {}
    void release(std::function<void()> released) override
    {
        if (released)
            released();
    }
};

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

struct FadeFigures {
    double cpuPerMinute;
    double wakeUpsPerSecond;
};

// A fade of the given minutes from full volume, measured for its first
// `measuredSeconds` (then cancelled) or to its end.
FadeFigures RunFade(int minutes, int measuredSeconds)
{
    QTemporaryDir folder;
    IniSettingsStore settings(folder.filePath(QStringLiteral("Somnelle.conf")));
    AlsaMixer mixer;
    DesktopShell shell;
    StopAtTheEnd end;
    NoLock awake;
    SystemClock clock;
    MprisPlayers players(QDBusConnection::sessionBus());
    AlsaChime chime;
    SessionState state;
    Platform platform {settings, mixer, shell, end, awake, clock, players, chime, [] {}, [] {}};
    Somnelle somnelle(state, platform);
    TForm1 &form = somnelle.form();
    mixer.setMasterLevel(65535);
    somnelle.readMasterVolume();
    form.show();
    form.setChoiceChecked(SetupView::Shutdown, true);
    form.setMinutesText(QString::number(minutes));

    QElapsedTimer sinceStart;
    end.sinceStart = &sinceStart;
    QTimer measuredEnough;
    measuredEnough.setSingleShot(true);
    QObject::connect(&measuredEnough, &QTimer::timeout, [] { QCoreApplication::exit(0); });
    measuredEnough.start(measuredSeconds * 1000 + 500);
    const Usage before = ProcessUsage();
    sinceStart.start();
    somnelle.startCancelClicked();
    QCoreApplication::exec();
    const Usage after = ProcessUsage();
    const double seconds = sinceStart.nsecsElapsed() / 1e9;
    if (somnelle.session().isRunning())
        somnelle.startCancelClicked();
    else
        std::printf("  last tick %.3f s after Start (off by %+.3f s)\n", end.endedAtNs / 1e9,
                    end.endedAtNs / 1e9 - minutes * 60);
    return {(after.cpuSeconds - before.cpuSeconds) / (seconds / 60), double(after.wakeUps - before.wakeUps) / seconds};
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
    Application app(argc, argv);
    std::printf("a whole fade of 2 minutes:\n");
    const FadeFigures whole = RunFade(2, 120);
    std::printf("  CPU time %.4f s per minute of fade; wake-ups of the whole process %.2f per second\n",
                whole.cpuPerMinute, whole.wakeUpsPerSecond);
    std::printf("  resident memory after it: %.1f MB\n", ProcStatusValue("VmRSS") / 1024.0);

    const int rounds = 3;
    const int seconds = 40;
    std::printf("\n%d rounds of %d s each: CPU s per minute, (wake-ups per second), loop / fade\n", rounds, seconds);
    std::printf("round  pactl loop   2-min fade           30-min fade          cold page, us\n");
    std::vector<double> loops, shortFades, nightFades, shortRatios, nightRatios, wakeUps;
    for (int round = 1; round <= rounds; ++round) {
        const double loop = PactlLoopCpuPerMinute(seconds);
        const FadeFigures shortFade = RunFade(2, seconds);
        const FadeFigures nightFade = RunFade(30, seconds);
        std::printf("%5d  %10.3f   %.4f (%.2f) %5.1f   %.4f (%.2f) %5.1f   %.2f\n", round, loop,
                    shortFade.cpuPerMinute, shortFade.wakeUpsPerSecond, loop / shortFade.cpuPerMinute,
                    nightFade.cpuPerMinute, nightFade.wakeUpsPerSecond, loop / nightFade.cpuPerMinute,
                    ColdPageMicroseconds());
        std::fflush(stdout);
        loops.push_back(loop);
        shortFades.push_back(shortFade.cpuPerMinute);
        nightFades.push_back(nightFade.cpuPerMinute);
        shortRatios.push_back(loop / shortFade.cpuPerMinute);
        nightRatios.push_back(loop / nightFade.cpuPerMinute);
        wakeUps.push_back(std::max(shortFade.wakeUpsPerSecond, nightFade.wakeUpsPerSecond));
    }
    std::printf("median %9.3f   %.4f        %5.1f   %.4f        %5.1f\n", Median(loops), Median(shortFades),
                Median(shortRatios), Median(nightFades), Median(nightRatios));
    std::printf("the loop costs %.1f times the 2-minute fade and %.1f times the 30-minute one (medians of the rounds)\n",
                Median(shortRatios), Median(nightRatios));
    std::printf("wake-ups: at most %.2f per second in any fade measured\n",
                std::max(whole.wakeUpsPerSecond, *std::max_element(wakeUps.begin(), wakeUps.end())));
    return 0;
}
