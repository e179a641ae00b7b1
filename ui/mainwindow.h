// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "session/sessioncontroller.h"
#include "settings/setup.h"
#include "ui_mainwindow.h"

class QFileDialog;
class Shell;
class VolumeControl;

// The one window of the program. Its controls and their places come from the
// form (mainwindow.ui) and are its members, named for their roles; controls
// with a rule of their own carry it (DigitsEdit, LinkLabel, AlarmTimeEdit,
// TrackBar). The window's own rules (enabled groups, the browse button)
// live here. It shows what the session and the volume control say, and
// passes on what the user asks of them; its fields are the setup that Start
// hands to the session.
class MainWindow : public QWidget, public Ui::MainWindowForm {
    Q_OBJECT
public:
    static const QColor SkyBlue;
    static const QColor Fuchsia;
    static const QColor DesktopColour;
    // "Somnelle v1.05", and a notice of the makers'.
    static QString restCaption();
    static const QString SupportAddress;

    MainWindow(SessionController &session, VolumeControl &volume, Shell &shell);

    // The fields as they stand (a dry run in a dry-run window), and the fields
    // set from a setup (the stored one, or a command line's).
    Setup setup() const;
    // A window opened for trying: each of its Starts is a dry run, and it says so at rest.
    void setDryRun(bool dryRun);
    void showSetup(const Setup &setup);

    QString statusText() const;
    // The program's title: "Somnelle" at rest, the falling percentage during
    // a fade, and the caption of its message boxes. Unlike the window's
    // caption, it never shows the rest caption's long form.
    QString title() const { return title_; }
    static void setFieldColour(QLineEdit *field, const QColor &colour);
    static QColor fieldColour(const QLineEdit *field);
    // The text of an error message box: a full stop is added when the last
    // character sorts after "." ("Failed to set data for 'Timer'" gets none).
    static QString errorMessageText(const QString &message);

    // Control-group operations.
    void enableAlarmControls();
    void disableAlarmControls();
    void enableSetupControls();
    void disableSetupControls();

    void browseForStartFile();

    QFileDialog *openDialog;

public Q_SLOTS:
    // An empty text is the window at rest: a dry-run window says that it is one.
    void setStatusText(const QString &text);
    // A modal box with the error icon, captioned with the program's title; the
    // program goes on. It opens from the event loop, after whatever asked.
    void showError(const QString &message);

Q_SIGNALS:
    // The first show: the stored setup goes in, then the master volume.
    void opening();
    // The first activation (or right after the first show): the command line.
    void firstActivated();
    void exitClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createLayout();
    void setTabOrderOfFields();
    void connectHandlers();
    void connectControllers();
    // The running look (setup disabled, Cancel) or the idle one (Start, the rest caption).
    void showPhase();
    void showTitle(const QString &title);
    void markMissing(SessionController::Field field);
    void showLevel(quint16 level);
    void showMixerError();
    void showWakeRoute(WakeAlarm::Route route);
    void chooseEndAction(EndAction action);
    // Emits firstActivated the first time only.
    void activateOnce();
    QList<QWidget *> alarmGroup() const;
    QList<QWidget *> timerSetup() const;

    SessionController &session_;
    VolumeControl &volume_;
    Shell &shell_;
    QPixmap startPicture_;
    QPixmap cancelPicture_;
    QString title_ = QStringLiteral("Somnelle");
    bool running_ = false;
    bool dryRun_ = false;
    bool shown_ = false;
    bool activated_ = false;
    int wheelRemainder_ = 0;
};
