// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "platform/wakealarm.h"
#include "settings/setup.h"

class QFileDialog;
class QLineEdit;
namespace Ui {
class MainWindowForm;
}

// The one window of the program. Its controls and their places come from the
// form (mainwindow.ui), named for their roles; controls with a rule of their
// own carry it (DigitsEdit, LinkLabel, AlarmTimeEdit, TrackBar). The window's
// own rules (enabled groups, the browse button) live here. It knows no
// controller: it emits what the person asks, and shows what it is told
// through its slots; app/ wires it to the program.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static const QColor SkyBlue;
    static const QColor Fuchsia;
    static const QColor DesktopColour;
    // "Somnelle v1.05", and a notice of the makers'.
    static QString restCaption();
    static const QString SupportAddress;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The fields as they stand (a dry run in a dry-run window), and the fields
    // set from a setup (the stored one, or a command line's).
    Setup setup() const;
    void showSetup(const Setup &setup);
    // A window opened for trying: each of its Starts is a dry run, and it says so at rest.
    void setDryRun(bool dryRun);

    QString statusText() const;
    // The program's title: "Somnelle" at rest, the falling percentage during
    // a fade, and the caption of its message boxes. Unlike the window's
    // caption, it never shows the rest caption's long form.
    QString title() const;

public Q_SLOTS:
    // An empty text is the window at rest: a dry-run window says that it is one.
    void setStatusText(const QString &text);
    // A modal box with the error icon, captioned with the program's title; the
    // program goes on. It opens from the event loop, after whatever asked.
    void showError(const QString &message);
    // The running look (setup disabled, Cancel) or the idle one (Start, the rest caption).
    void setRunning(bool running);
    // The wake-up sounds: a press anywhere on the window only silences it,
    // and a close waits for it to end.
    void setWakeUpSounding(bool sounding);
    void showTitle(const QString &title);
    void markMinutesMissing();
    void markWakeUpPercentMissing();
    void showLevel(quint16 level);
    void showPercent(quint8 percent);
    void showMixerError();
    void showWakeRoute(WakeAlarm::Route route);

Q_SIGNALS:
    // The first show: the stored setup goes in, then the master volume.
    void opening();
    // The first activation (or right after the first show): the command line.
    void firstActivated();
    void startCancelClicked(const Setup &setup);
    void exitClicked();
    // The user's move of the slider (the end of a drag too, even where it stays).
    void volumeMoved(quint16 level);
    // A notch of the mouse wheel over the window.
    void wheelTurned(bool up);
    // Whether this computer can wake itself is wanted: the box is ticked, or its hint shows.
    void wakeRouteWanted();
    // A press while the wake-up sounds.
    void silenceRequested();
    void linkActivated(const QUrl &url);
    // Closed while busy: the program is to end once the night is over.
    void closedWhileBusy();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // For the tests of the window, which reach its controls as a person does.
    const Ui::MainWindowForm &form() const { return *form_; }

private:
    void createLayout();
    void drawPictures();
    void setFontsAndColours();
    void nameControls();
    void setTabOrderOfFields();
    void connectHandlers();
    void chooseEndAction(EndAction action);
    // Emits firstActivated the first time only.
    void activateOnce();
    QList<QWidget *> alarmGroup() const;
    QList<QWidget *> timerSetup() const;
    // Control-group operations.
    void enableAlarmControls();
    void disableAlarmControls();
    void enableSetupControls();
    void disableSetupControls();
    void browseForStartFile();
    static void setFieldColour(QLineEdit *field, const QColor &colour);
    // The text of an error message box: a full stop is added when the last
    // character sorts after "." ("Failed to set data for 'Timer'" gets none).
    static QString errorMessageText(const QString &message);

    const std::unique_ptr<Ui::MainWindowForm> form_;
    QFileDialog *openDialog_ = nullptr;
    QPixmap startPicture_;
    QPixmap cancelPicture_;
    bool dryRun_ = false;
    bool sounding_ = false;
    bool shown_ = false;
    bool activated_ = false;
    int wheelRemainder_ = 0;
};
