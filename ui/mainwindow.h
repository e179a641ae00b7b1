// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>
#include <functional>

#include "audio/volumeview.h"
#include "session/sessionview.h"
#include "ui_mainwindow.h"

class QFileDialog;
class Shell;

// The one window of the program. Its controls and their places come from the
// form (mainwindow.ui) and are its members, named for their roles; controls
// with a rule of their own carry it (DigitsEdit, LinkLabel, AlarmTimeEdit,
// TrackBar). The window's own rules (enabled groups, pictures, browse) live
// here; what the user asks of the program goes out as signals, which the
// application connects.
class MainWindow : public QWidget, public Ui::MainWindowForm, public VolumeView, public SessionView {
    Q_OBJECT
public:
    static const QColor SkyBlue;
    static const QColor Fuchsia;
    static const QColor DesktopColour;
    static const QString RestCaption;
    static const QString SupportAddress;

    explicit MainWindow(Shell &shell);

    // Answers whether the window may close now; when not, it stays up.
    void setCloseGuard(std::function<bool()> mayClose);
    // Answers whether a mouse press anywhere on the window was taken (it
    // silenced the chime) and must do nothing else.
    void setPressGuard(std::function<bool()> pressTaken);

    // Control-group operations.
    void enableAlarmControls();
    void disableAlarmControls();
    void enableSetupControls() override;
    void disableSetupControls() override;

    void setStatusText(const QString &text) override;
    QString statusText() const;
    static void setFieldColour(QLineEdit *field, const QColor &colour);
    static QColor fieldColour(const QLineEdit *field);
    // The Start/Cancel button's picture, with its accessible name.
    void showStartPicture() override;
    void showCancelPicture() override;

    // SessionView
    bool wakeUpVolumeEnabled() const override;
    void markMinutesMissing() override;
    void markWakeUpVolumeMissing() override;
    void showRestCaption() override;
    void setCaptionAndTitle(const QString &text) override;

    // VolumeView
    quint16 sliderPosition() const override;
    void setSliderPosition(quint16 level) override;
    void showVolumeReadout(quint8 percent) override;
    void showMixerError() override;

    // SetupView
    QString minutesText() const override;
    void setMinutesText(const QString &text) override;
    bool isChoiceChecked(Choice choice) const override;
    void setChoiceChecked(Choice choice, bool checked) override;
    bool tomorrow() const override;
    void setTomorrow(bool tomorrow) override;
    QString wakeUpVolumeText() const override;
    void setWakeUpVolumeText(const QString &text) override;
    QString startFile() const override;
    void setStartFile(const QString &file) override;
    QDateTime alarmDateTime() const override;
    void setAlarmDateTime(const QDateTime &dateTime) override;

    void browseForStartFile();
    void openContactLink();
    // Emits firstActivated the first time only.
    void activateOnce();

    QFileDialog *openDialog;

Q_SIGNALS:
    // The first show: the stored setup goes in, then the master volume.
    void opening();
    // The first activation (or right after the first show): the command line.
    void firstActivated();
    void startCancelClicked();
    void exitClicked();
    // The slider moved, by the user or by code, or a drag ended.
    void volumeSliderChanged();
    // One whole wheel notch anywhere over the window.
    void wheelNotch(bool up);

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
    QList<QWidget *> alarmGroup() const;
    QList<QWidget *> timerSetup() const;
    QRadioButton *choiceButton(Choice choice) const;

    Shell &shell_;
    std::function<bool()> mayClose_ = [] { return true; };
    std::function<bool()> pressTaken_ = [] { return false; };
    bool shown_ = false;
    bool activated_ = false;
    int wheelRemainder_ = 0;
};
