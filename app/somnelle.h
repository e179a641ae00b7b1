#pragma once

#include <memory>

#include "app/sessionstate.h"
#include "audio/alsamixer.h"
#include "audio/volumecontrol.h"
#include "session/desktopshell.h"
#include "settings/settingsstore.h"
#include "ui/formhandlers.h"

class TForm1;

// Wires the window to the program's logic and the platform.
class Somnelle : public FormHandlers {
public:
    Somnelle(SessionState &state, SettingsStore &settings);
    ~Somnelle() override;

    TForm1 &form() { return *form_; }

    void loadSettings() override;
    void readMasterVolume() override;
    void applyCommandLine() override;
    void trackBarChanged() override;
    void mouseWheel(bool up) override;
    void startCancelClicked() override;

private:
    SessionState &state_;
    SettingsStore &settings_;
    AlsaMixer mixer_;
    DesktopShell shell_;
    std::unique_ptr<TForm1> form_;
    VolumeControl volume_;
};
