#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>
#include <functional>

#include "audio/volumeview.h"
#include "session/sessionview.h"
#include "ui/volumereadout.h"

class QCheckBox;
class QDateTimeEdit;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QStatusBar;
class EtchedLine;
class FormHandlers;
class Picture;
class PictureButton;
class Shell;

// The one window of the program. The controls keep the names of the layout;
// the window's own rules (enabled groups, digit filters, hints, link, browse,
// Exit) live here, everything else is forwarded to FormHandlers.
class MainWindow : public QWidget, public VolumeView, public SessionView {
    Q_OBJECT
public:
    static const QColor SkyBlue;
    static const QColor Fuchsia;
    static const QColor DesktopColour;
    static const QString RestCaption;
    static const QString SupportAddress;

    // exitProcess ends the program at once; tests replace it.
    MainWindow(FormHandlers &handlers, Shell &shell, std::function<void()> exitProcess);

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

    // Event handlers.
    void loadAtShow();
    void activateOnce();
    void wheelNotchUp();
    void wheelNotchDown();
    void startOrCancel();
    void exitClicked();
    void browseForStartFile();
    void volumeSliderChanged();
    void shutdownChosen();
    void suspendChosen();
    void alarmChosen();
    void openContactLink();

    // The components, in the order of the layout's declarations.
    QStatusBar *statusBar;
    PictureButton *cancelPictureButton;
    PictureButton *startPictureButton;
    QFrame *alarmPanel;
    QDateTimeEdit *alarmTimeEdit;
    QLabel *wakeUpAtLabel;
    QLabel *startFileLabel;
    QLineEdit *startFileEdit;
    QCheckBox *tomorrowCheck;
    Picture *alarmClockPicture;
    QFrame *timerPanel;
    Picture *loudspeakerPicture;
    VolumeReadout *volumeReadout;
    QSlider *volumeSlider;
    Picture *clockFacePicture;
    QLabel *turnDownLabel;
    QLabel *forLabel;
    QLabel *minLabel;
    QLineEdit *minutesEdit;
    QLabel *thenLabel;
    QRadioButton *shutdownChoice;
    QRadioButton *suspendChoice;
    EtchedLine *shutdownSuspendLine;
    QRadioButton *alarmChoice;
    EtchedLine *suspendAlarmLine;
    QLabel *setVolumeLabel;
    QLineEdit *wakeVolumeEdit;
    QLabel *percentLabel;
    QLabel *skyPicture;
    PictureButton *startCancelButton;
    QLabel *contactLink;
    PictureButton *exitButton;
    QFileDialog *openDialog;
    PictureButton *browseButton;
    QLabel *titleLabel;

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
    bool filterDigitKey(QLineEdit *field, QKeyEvent *event);
    QList<QWidget *> alarmGroup() const;
    QList<QWidget *> timerSetup() const;
    QRadioButton *choiceButton(Choice choice) const;

    FormHandlers &handlers_;
    Shell &shell_;
    std::function<void()> exitProcess_;
    bool shown_ = false;
    bool activated_ = false;
    int wheelRemainder_ = 0;
};
