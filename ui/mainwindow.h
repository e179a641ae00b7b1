// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "session/sessionanswers.h"
#include "settings/setup.h"
#include "ui/windowview.h"

class LinkLabel;
class QFileDialog;
class QLineEdit;
namespace Ui {
class MainWindowForm;
}

// The one window of the program. Its controls and their places come from the
// form (mainwindow.ui), named for their roles; controls with a rule of their
// own carry it (DigitsEdit, LinkLabel, AlarmTimeEdit, TrackBar). The window's
// own rules (enabled groups, the browse button) live here. It knows no
// controller and keeps no setup: it emits what the person asks and edits,
// and shows what it is told through its slots; app/ wires it to the program.
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

public Q_SLOTS:
    // The fields set from a setup (the stored one, or a command line's).
    void showSetup(const Setup &setup);
    // The night: the running look (setup disabled, Cancel) or the idle one
    // (Start, the rest caption), the status line and the title.
    void showView(const WindowView &view);
    // A modal box with the error icon, captioned with the program's title; the
    // program goes on. It opens from the event loop, after whatever asked.
    void showError(const QString &message);
    void markMissing(const QList<SetupField> &fields);
    void showLevel(quint16 level);
    void showPercent(quint8 percent);
    void showMixerError();
    // The hint of "Sleep until then": whether this computer can wake itself.
    void showWakeRouteTip(const QString &tip);
    // With the track: the minutes it has left, which the minutes field follows.
    void showMinutes(const QString &minutes);
    // Where the listener fell asleep, offered at rest as a link; empty: none.
    void showResumeOffer(const QString &offer);

Q_SIGNALS:
    // The first show: the stored setup goes in, then the master volume.
    void opening();
    // The first activation (or right after the first show): the command line.
    void firstActivated();
    // The person edited a field, or pressed Start/Cancel: the fields as they stand.
    void setupEdited(const Setup &fields);
    void startCancelClicked(const Setup &fields);
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
    // The offer to resume where the listener fell asleep was taken.
    void resumeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createLayout();
    void drawPictures();
    void setFontsAndColours();
    void nameControls();
    void setTabOrderOfFields();
    void connectHandlers();
    void connectEdits();
    // The fields as they stand.
    Setup fields() const;
    void setStatusText(const QString &text);
    void showResumeLink();
    // The program's title: "Somnelle" at rest, the percentage during a night;
    // the caption of its message boxes.
    QString title() const;
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
    LinkLabel *resumeLink_ = nullptr;
    QPixmap startPicture_;
    QPixmap cancelPicture_;
    WindowView view_;
    bool shown_ = false;
    bool activated_ = false;
    int wheelRemainder_ = 0;
};
