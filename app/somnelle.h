// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "session/volumecontrol.h"
#include "session/sessioncontroller.h"

class MainWindow;
struct Platform;

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
    // Another start's command line, applied as this program's own when idle
    // (with none, the window is only raised). Answers why not while a
    // session runs; empty when applied.
    QString handOver(const QStringList &arguments);
    void raiseWindow();

private:
    // Once per run, when the window is first active.
    void applyCommandLine(const QStringList &arguments);
    // The Exit button: at once; while waiting for the wake-up, with the wave output given back first.
    void exitProgram();

    const Platform &platform_;
    QStringList arguments_;
    std::unique_ptr<MainWindow> form_;
    VolumeControl volume_;
    SessionController session_;
};
