// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "session/sessioncontroller.h"
#include "session/volumecontrol.h"
#include "settings/invocation.h"
#include "ui/trayindicator.h"

class MainWindow;
struct Platform;

// What became of a command line handed over by a second start; the outcome
// is that start's exit status.
struct HandOverAnswer {
    enum Outcome { Applied = 0, Refused = 1, InvalidParameters = 2 };
    Outcome outcome = Applied;
    QString message; // why, unless applied
};

// The program: the volume control, the session and the window, wired to
// each other and to the platform; the command lines it is given.
class Somnelle : public QObject {
    Q_OBJECT
public:
    // asked: the program's own command line, applied when the window is first
    // active. The window is wired here, and outlives the program object.
    Somnelle(const Platform &platform, MainWindow &window, Invocation asked = {});
    ~Somnelle() override;

    MainWindow &form() { return *form_; }
    // --status: one line for scripts.
    QString status() const;
    // --extend: empty when done, else why not.
    QString extend(int minutes);
    SessionController &session() { return session_; }
    VolumeControl &volume() { return volume_; }

    // A signal to end (a logout, a shutdown, Ctrl+C): the session ends as
    // Cancel ends it, then the program.
    void endBySignal();
    // Another start's command line: it raises the window and, unless a session
    // runs, is applied as this program's own (a sounding wake-up is silenced
    // first). Answers at once, also when the setup could not be saved: the
    // window's error box comes after.
    HandOverAnswer handOver(const Invocation &asked, const QString &activationToken);
    // --cancel: the Cancel button, or the silence of a sounding wake-up.
    void cancelOrSilence();

Q_SIGNALS:
    // The program is to end now: Exit, a signal, or a session that was asked to end it is done.
    void ended();

private:
    // What the window asks of the program, and what it shows of it.
    void connectWindowRequests();
    void connectWindowViews();
    void connectIndicator();
    // The panel's indicator, as the session stands.
    void showIndicator();
    // The stored setup into the window's fields.
    void loadStoredSetup();
    // Fills the fields from a start command line and starts; answers as to a second start.
    HandOverAnswer applyCommandLine(const Invocation &asked);
    // The Exit button: at once; while waiting for the wake-up, with the wave output given back first.
    void exitProgram();

    const Platform &platform_;
    Invocation asked_;
    VolumeControl volume_;
    SessionController session_;
    MainWindow *form_;
    TrayIndicator indicator_;
    double fadeLeft_ = 1; // the share of the fade to go, as last shown
};
