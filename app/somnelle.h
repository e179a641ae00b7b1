// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "session/volumecontrol.h"
#include "session/sessioncontroller.h"
#include "settings/invocation.h"

class MainWindow;
struct Platform;

// What became of a command line handed over by a second start; the outcome
// is that start's exit status.
struct HandOverAnswer {
    enum Outcome { Applied = 0, Refused = 1, InvalidParameters = 2 };
    Outcome outcome = Applied;
    QString message; // why, unless applied
};

// Wires the window to the program's logic and the platform.
class Somnelle {
public:
    // asked: the program's own command line, applied when the window is first active.
    explicit Somnelle(const Platform &platform, Invocation asked = {});
    ~Somnelle();

    MainWindow &form() { return *form_; }
    SessionController &session() { return session_; }
    const SessionController &session() const { return session_; }
    VolumeControl &volume() { return volume_; }
    const VolumeControl &volume() const { return volume_; }

    // A signal to end (a logout, a shutdown, Ctrl+C): the session ends as
    // Cancel ends it, then the program.
    void endBySignal();
    // Another start's command line: it raises the window and, unless a session
    // runs, is applied as this program's own (a sounding wake-up is silenced
    // first).
    HandOverAnswer handOver(const Invocation &asked, const QString &activationToken);
    // --cancel: the Cancel button, or the silence of a sounding wake-up.
    void cancelOrSilence();

private:
    // Fills the fields from a start command line and starts; answers whether its words converted.
    bool applyCommandLine(const Invocation &asked);
    void raiseWindow(const QString &activationToken);
    // The Exit button: at once; while waiting for the wake-up, with the wave output given back first.
    void exitProgram();

    const Platform &platform_;
    Invocation asked_;
    std::unique_ptr<MainWindow> form_;
    VolumeControl volume_;
    SessionController session_;
};
