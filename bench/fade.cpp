// Runs a real 2-minute fade with the real clock and mixer (the end action is
// only recorded) and prints the CPU time it used per minute, the wake-ups per
// second, the resident memory, and how far the last tick landed from 120 s
// after Start. Then, for comparison, a shell loop that sets the same sink's
// volume with pactl once a second for a minute, and the ratio of the two CPU
// times. Run through bench/fade.sh, which gives it a private sound server and
// Qt's offscreen platform.

#include <QDBusConnection>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
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
    form.show();
    form.setChoiceChecked(SetupView::Shutdown, true);
    // The minutes may be given as the only argument; the default is 2.
    const QString minutesText = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("2");
    form.setMinutesText(minutesText);

    QElapsedTimer sinceStart;
    end.sinceStart = &sinceStart;
    const Usage before = ProcessUsage();
    sinceStart.start();
    somnelle.startCancelClicked();
    app.exec();
    const Usage after = ProcessUsage();

    const double minutes = minutesText.toDouble();
    const double seconds = sinceStart.nsecsElapsed() / 1e9;
    std::printf("fade of %g minutes: last tick %.3f s after Start (off by %+.3f s)\n", minutes, end.endedAtNs / 1e9,
                end.endedAtNs / 1e9 - minutes * 60);
    std::printf("CPU time: %.3f s per minute of fade\n", (after.cpuSeconds - before.cpuSeconds) / minutes);
    std::printf("wake-ups (context switches of the whole process): %.1f per second\n",
                double(after.contextSwitches - before.contextSwitches) / seconds);
    std::printf("resident memory at the end: %.1f MB\n", ProcStatusValue("VmRSS") / 1024.0);

    const double fadeCpuPerMinute = (after.cpuSeconds - before.cpuSeconds) / minutes;
    const double loopCpuPerMinute = PactlLoopCpuSeconds();
    std::printf("shell loop calling pactl once a second: %.3f s CPU per minute\n", loopCpuPerMinute);
    std::printf("the loop costs %.1f times the fade\n", loopCpuPerMinute / fadeCpuPerMinute);
    return 0;
}
