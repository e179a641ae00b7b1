// SPDX-License-Identifier: MIT
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>

#include "ui/applicationtitle.h"
#include "ui/picturebutton.h"
#include "ui/trackbar.h"

// What the program reads and writes of the window: its fields and choices,
// the status line, the Start/Cancel button's face, the caption, the slider and
// the readout. One line each, kept apart from the window's own behaviour.

void MainWindow::setStatusText(const QString &text)
{
    if (text.isEmpty())
        statusBar->clearMessage();
    else
        statusBar->showMessage(text);
}

QString MainWindow::statusText() const
{
    return statusBar->currentMessage();
}

void MainWindow::setFieldColour(QLineEdit *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

QColor MainWindow::fieldColour(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

void MainWindow::showStartPicture()
{
    startCancelButton->setPicture(startPictureButton->picture());
    startCancelButton->setAccessibleName(startPictureButton->accessibleName());
}

void MainWindow::showCancelPicture()
{
    startCancelButton->setPicture(cancelPictureButton->picture());
    startCancelButton->setAccessibleName(cancelPictureButton->accessibleName());
}

bool MainWindow::wakeUpVolumeEnabled() const
{
    return wakeVolumeEdit->isEnabled();
}

void MainWindow::markMinutesMissing()
{
    setFieldColour(minutesEdit, Fuchsia);
}

void MainWindow::markWakeUpVolumeMissing()
{
    setFieldColour(wakeVolumeEdit, Fuchsia);
}

void MainWindow::showRestCaption()
{
    SetApplicationTitle(QStringLiteral("Somnelle"));
    setWindowTitle(RestCaption);
}

void MainWindow::setCaptionAndTitle(const QString &text)
{
    setWindowTitle(text);
    SetApplicationTitle(text);
}

quint16 MainWindow::sliderPosition() const
{
    return quint16(volumeSlider->value());
}

void MainWindow::setSliderPosition(quint16 level)
{
    volumeSlider->setValue(level);
}

void MainWindow::showVolumeReadout(quint8 percent)
{
    volumeReadout->showPercent(percent);
}

void MainWindow::showMixerError()
{
    // Opened from the event loop, once the window being shown is on the screen to own it.
    QMetaObject::invokeMethod(
        this, [this] { QMessageBox::warning(this, ApplicationTitle(), QStringLiteral("Mixer initialization error")); },
        Qt::QueuedConnection);
}

QString MainWindow::minutesText() const
{
    return minutesEdit->text();
}

void MainWindow::setMinutesText(const QString &text)
{
    minutesEdit->setText(text);
}

QRadioButton *MainWindow::choiceButton(Choice choice) const
{
    switch (choice) {
    case Shutdown:
        return shutdownChoice;
    case SuspendMode:
        return suspendChoice;
    case AlarmMode:
        break;
    }
    return alarmChoice;
}

bool MainWindow::isChoiceChecked(Choice choice) const
{
    return choiceButton(choice)->isChecked();
}

void MainWindow::setChoiceChecked(Choice choice, bool checked)
{
    QRadioButton *button = choiceButton(choice);
    if (checked) {
        button->setChecked(true);
    } else if (button->isChecked()) {
        // An exclusive choice cannot be unchecked by itself; stored settings may have none checked.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

bool MainWindow::tomorrow() const
{
    return tomorrowCheck->isChecked();
}

void MainWindow::setTomorrow(bool tomorrow)
{
    tomorrowCheck->setChecked(tomorrow);
}

QString MainWindow::wakeUpVolumeText() const
{
    return wakeVolumeEdit->text();
}

void MainWindow::setWakeUpVolumeText(const QString &text)
{
    wakeVolumeEdit->setText(text);
}

QString MainWindow::startFile() const
{
    return startFileEdit->text();
}

void MainWindow::setStartFile(const QString &file)
{
    startFileEdit->setText(file);
}

QDateTime MainWindow::alarmDateTime() const
{
    return alarmTimeEdit->dateTime();
}

void MainWindow::setAlarmDateTime(const QDateTime &dateTime)
{
    alarmTimeEdit->setDateTime(dateTime);
}
