// Runs real fades with the real clock and mixer (the end action is only
// recorded) and prints, per minute of fade, the CPU time they used, and their
// wake-ups per second:
// - a whole 2-minute fade, where the percent shown changes nearly every
//   second (the readout, the title and the slider are redrawn each tick), and
//   how far its last tick landed from 120 s after Start;
// - the first 2 minutes of a 30-minute fade, as a night's fade runs: the
//   percent changes about every 18 seconds.
// Then, for comparison, a shell loop that sets the same sink's volume with
// pactl once a second for a minute, and how many times each fade's CPU time
// the loop costs. Run through bench/fade.sh, which gives it a private sound
// server and Qt's offscreen platform.

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
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

// CPU time of all the processes of a one-minute shell loop that lowers the volume with pactl every second.
double PactlLoopCpuSeconds()
{
    const pid_t child = fork();
    if (child == 0) {
        execlp("bash", "bash", "-c",
               "for i in $(seq 60); do pactl set-sink-volume @DEFAULT_SINK@ $((100 - i))%; sleep 1; done", nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    // The loop's shell and everything it ran; this program has no other children.
    rusage children {};
    getrusage(RUSAGE_CHILDREN, &children);
    return double(children.ru_utime.tv_sec + children.ru_stime.tv_sec)
        + (children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e6;
}

struct FadeFigures {
    double cpuPerMinute;
    double wakeUpsPerSecond;
    double preemptionsPerSecond;
};

// A fade of the given minutes from full volume, measured for its first
// `measured` minutes (then cancelled) or to its end.
FadeFigures RunFade(int minutes, int measured)
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
    measuredEnough.start(measured * 60 * 1000 + 500);
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
    return {(after.cpuSeconds - before.cpuSeconds) / (seconds / 60), double(after.wakeUps - before.wakeUps) / seconds,
            double(after.preemptions - before.preemptions) / seconds};
}

void Print(const FadeFigures &figures)
{
    std::printf("  CPU time: %.4f s per minute of fade\n", figures.cpuPerMinute);
    std::printf("  wake-ups of the whole process: %.2f per second (and %.2f preemptions)\n",
                figures.wakeUpsPerSecond, figures.preemptionsPerSecond);
}

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    std::printf("a whole fade of 2 minutes:\n");
    const FadeFigures shortFade = RunFade(2, 2);
    Print(shortFade);
    std::printf("the first 2 minutes of a fade of 30 minutes:\n");
    const FadeFigures nightFade = RunFade(30, 2);
    Print(nightFade);
    std::printf("resident memory at the end: %.1f MB\n", ProcStatusValue("VmRSS") / 1024.0);

    const double loopCpuPerMinute = PactlLoopCpuSeconds();
    std::printf("shell loop calling pactl once a second: %.3f s CPU per minute\n", loopCpuPerMinute);
    std::printf("the loop costs %.1f times the 2-minute fade, %.1f times the 30-minute one\n",
                loopCpuPerMinute / shortFade.cpuPerMinute, loopCpuPerMinute / nightFade.cpuPerMinute);
    return 0;
}
