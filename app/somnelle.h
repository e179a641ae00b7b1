#pragma once

#include <functional>
#include <memory>

#include "app/application.h"
#include "session/volumecontrol.h"
#include "session/sessioncontroller.h"
#include "session/startfile.h"

class AwakeLock;
class Chime;
class Clock;
class MediaPlayers;
class Mixer;
class Power;
class SettingsStore;
class Shell;
class MainWindow;

// The platform as the program sees it; main() gives the real adapters, tests give fakes.
struct Platform {
    SettingsStore &settings;
    Mixer &mixer;
    Shell &shell;
    Power &power;
    AwakeLock &awake;
    Clock &clock;
    MediaPlayers &players;
    Chime &chime;
    std::function<void()> exitProcess;     // the Exit button: at once, nothing saved
    std::function<void()> quitApplication; // the end of the event loop
    std::function<void(const QString &)> showError = ShowErrorMessage;
    QString dataFolder = ProgramDataFolder();
};

// Wires the window to the program's logic and the platform.
class Somnelle {
public:
    // arguments: the program's, after its name and Qt's own options.
    explicit Somnelle(const Platform &platform, QStringList arguments = {});
    ~Somnelle();

    MainWindow &form() { return *form_; }
    SessionController &session() { return session_; }
    const SessionController &session() const { return session_; }
    VolumeControl &volume() { return volume_; }
    const VolumeControl &volume() const { return volume_; }

    // A signal to end (a logout, a shutdown, Ctrl+C): the session ends as
    // Cancel ends it, then the program.
    void endBySignal();

private:
    // Once per run, when the window is first active.
    void applyCommandLine();
    // The Exit button: at once; while waiting for the wake-up, with the wave output given back first.
    void exitProgram();

    SettingsStore &settings_;
    std::function<void()> exitProcess_;
    std::function<void()> quitApplication_;
    QStringList arguments_;
    std::unique_ptr<MainWindow> form_;
    VolumeControl volume_;
    SessionController session_;
};
