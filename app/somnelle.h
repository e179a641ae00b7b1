#pragma once

#include <functional>
#include <memory>

#include "app/application.h"
#include "app/sessionstate.h"
#include "audio/volumecontrol.h"
#include "session/sessioncontroller.h"
#include "session/startfile.h"
#include "ui/formhandlers.h"

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
class Somnelle : public FormHandlers {
public:
    // arguments: the program's, after its name and Qt's own options.
    Somnelle(SessionState &state, const Platform &platform, QStringList arguments = {});
    ~Somnelle() override;

    MainWindow &form() { return *form_; }
    SessionController &session() { return session_; }

    void loadSettings() override;
    void readMasterVolume() override;
    void applyCommandLine() override;
    void trackBarChanged() override;
    void mouseWheel(bool up) override;
    void startCancelClicked() override;
    bool closeRequested() override;
    // A signal to end (a logout, a shutdown, Ctrl+C): the session ends as
    // Cancel ends it, then the program.
    void endBySignal();
    bool windowClicked() override;

private:
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
