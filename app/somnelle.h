// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include "session/sessioncontroller.h"
#include "session/volumecontrol.h"
#include "settings/invocation.h"
#include "settings/setup.h"
#include "ui/trayindicator.h"

class MainWindow;
struct Platform;

// What became of a command line handed over by a second start; the outcome
// is that start's exit status.
struct HandOverAnswer {
    // Pending: a night that ends with the track answers once it has found it (startAnswered).
    enum Outcome { Applied = 0, Refused = 1, InvalidParameters = 2, Pending = -1 };
    Outcome outcome = Applied;
    QString message; // why, unless applied
};

// The program: the volume control, the night and the window, wired to each
// other and to the platform; the command lines it is given. It owns the
// setup the window shows, and each request a person can make has one way in
// here, whether it comes from the window, the panel, the notification or
// the shell, and one way back.
class Somnelle : public QObject {
    Q_OBJECT
public:
    // asked: the program's own command line, applied when the window is first
    // active. The window is wired here, and outlives the program object.
    Somnelle(const Platform &platform, MainWindow &window, Invocation asked = {});
    ~Somnelle() override;

    MainWindow &window() { return *window_; }
    // --status: one line for scripts.
    QString status() const;
    // --extend, and "Add 15 minutes" of the panel and the notification:
    // empty when done, else why not, which the status line says too.
    QString extend(int minutes);
    // --cancel, and the Cancel of the panel and the notification: as the
    // Cancel button, or the silence of a sounding wake-up.
    void cancelOrSilence();
    // Another start's command line: it raises the window and, unless a night
    // runs, is applied as this program's own (a sounding wake-up is silenced
    // first). Answers at once, also when the setup could not be saved: the
    // window's error box comes after.
    HandOverAnswer handOver(const Invocation &asked, const QString &activationToken);
    // A signal to end (a logout, a shutdown, Ctrl+C): the night ends as
    // Cancel ends it, then the program.
    void endBySignal();
    // --resume, and the window's offer: plays again where the listener fell
    // asleep; answered by resumeAnswered.
    void resume();

Q_SIGNALS:
    // The answer to a start that was Pending.
    void startAnswered(const HandOverAnswer &answer);
    void resumeAnswered(bool resumed, const QString &said);
    // The program is to end now: Exit, a signal, or a night that was asked to end it is done.
    void ended();

private:
    void connectWindow();
    void connectIndicator();
    // The night as the window and the panel show it; with news for the status line.
    void show(const SessionView &view);
    void showNews(const SessionView &view);
    // What came of a Start, from the window or a command line: marked in the
    // window, and answered as to a second start.
    HandOverAnswer answer(const StartAnswer &answer);
    // The stored setup into the window's fields.
    void loadStoredSetup();
    // The window's fields into the setup, the options staying.
    void takeFields(const Setup &fields);
    void showMinutesLeft(const SessionView &view);
    void offerResume();
    // Fills the fields from a start command line and starts; answers as to a second start.
    HandOverAnswer applyCommandLine(const Invocation &asked);
    // The Exit button: at once; while waiting for the wake-up, with the wave output given back first.
    void exitProgram();

    const Platform &platform_;
    Invocation asked_;
    VolumeControl volume_;
    SessionController session_;
    MainWindow *window_;
    TrayIndicator indicator_;
    SessionView toldPanel_;    // the night as the panel was last told it
    QTimer minutesLeft_;       // the next minute of the track's end, for the window's minutes
    Setup setup_;              // as the window shows it
    bool dryRunWindow_;        // each Start of the window's own is a dry run
    quint64 noticesShown_ = 0; // the status line's sayings, the program's own among them
    quint64 sessionNotice_ = 0;
};
