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
class TForm1 : public QWidget, public VolumeView, public SessionView {
    Q_OBJECT
public:
    static const QColor SkyBlue;
    static const QColor Fuchsia;
    static const QColor DesktopColour;
    static const QString RestCaption;
    static const QString SupportAddress;

    // exitProcess ends the program at once; tests replace it.
    TForm1(FormHandlers &handlers, Shell &shell, std::function<void()> exitProcess);

    // Control-group operations.
    void EnableAlarmControls();
    void DisableAlarmControls();
    void EnableSetupControls() override;
    void DisableSetupControls() override;

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
    void ShowVolumeReadout(quint8 percent) override;
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
    void FormShow();
    void FormActivate();
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void SpeedButton1Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void TrackBar3Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void Label7Click();

    // The components, in the order of the layout's declarations.
    QStatusBar *StatusBar1;
    PictureButton *SpeedButton2;
    PictureButton *SpeedButton3;
    QFrame *Panel1;
    QDateTimeEdit *DateTimePicker1;
    QLabel *Label10;
    QLabel *Label11;
    QLineEdit *Edit2;
    QCheckBox *CheckBox1;
    Picture *Image1;
    QFrame *Panel2;
    Picture *Image2;
    VolumeReadout *Label6;
    QSlider *TrackBar3;
    Picture *Image3;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QLabel *Label4;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    EtchedLine *Bevel2;
    QRadioButton *RadioButton3;
    EtchedLine *Bevel4;
    QLabel *Label12;
    QLineEdit *Edit3;
    QLabel *Label13;
    QLabel *Image4;
    PictureButton *SpeedButton1;
    QLabel *Label7;
    PictureButton *SpeedButton4;
    QFileDialog *OpenDialog1;
    PictureButton *SpeedButton5;
    QLabel *Label14;

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
