#pragma once

// What the window hands over to the program's logic. The window calls these
// from its own events; the application wires them to settings, volume,
// session and command line.
class FormHandlers {
public:
    virtual ~FormHandlers() = default;

    // loadAtShow: the stored settings first, then the master volume.
    virtual void loadSettings() = 0;
    virtual void readMasterVolume() = 0;
    // activateOnce, once per run.
    virtual void applyCommandLine() = 0;

    virtual void trackBarChanged() = 0;
    virtual void mouseWheel(bool up) = 0;
    virtual void startCancelClicked() = 0;
    // The window is asked to close; answers whether it may.
    virtual bool closeRequested() = 0;
    // A mouse button went down anywhere on the window; answers whether the
    // press was taken (it silenced the chime) and must do nothing else.
    virtual bool windowClicked() = 0;
};
