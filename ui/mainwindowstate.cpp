// SPDX-License-Identifier: MIT
#include "ui/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <utility>

#include "ui/picturebutton.h"
#include "ui/trackbar.h"
#include "ui/volumereadout.h"
#include "ui_mainwindow.h"

// What the window shows of the program's state, and its fields as a setup:
// kept apart from the window's own behaviour.

void MainWindow::setStatusText(const QString &text)
{
    // Cleared, it says what it says at rest.
    const QString shown = text.isEmpty() ? view_.rest : text;
    if (shown.isEmpty())
        form_->statusBar->clearMessage();
    else
        form_->statusBar->showMessage(shown);
    showResumeLink();
}

void MainWindow::showResumeLink()
{
    // The offer shares the status bar with the messages, which cover it.
    resumeLink_->setVisible(!resumeLink_->text().isEmpty() && form_->statusBar->currentMessage().isEmpty());
}

void MainWindow::setFieldColour(QLineEdit *field, const QColor &colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

QString MainWindow::errorMessageText(const QString &message)
{
    // Chinese and Japanese end a sentence with their own full stop.
    const QString fullStops = QStringLiteral("\u3002\uFF0E\uFF61");
    if (!message.isEmpty() && message.back() > QLatin1Char('.') && !fullStops.contains(message.back()))
        return message + QLatin1Char('.');
    return message;
}

void MainWindow::showError(const QString &message)
{
    // Not inside the request that failed: a second start's hand-over has its answer at once.
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            QMessageBox box(QMessageBox::Critical, title(), errorMessageText(message), QMessageBox::Ok, this);
            box.exec();
        },
        Qt::QueuedConnection);
}

void MainWindow::showView(const WindowView &view)
{
    const WindowView before = std::exchange(view_, view);
    // Only a change between a night and none changes the look: enabling
    // the setup again would also clear the marks of missing fields.
    const bool running = view.state == WindowView::State::Running;
    if (running != (before.state == WindowView::State::Running)) {
        if (running)
            disableSetupControls();
        else
            enableSetupControls();
        form_->startCancelButton->setPicture(running ? cancelPicture_ : startPicture_);
        form_->startCancelButton->setAccessibleName(running ? tr("Cancel") : tr("Start"));
        // The level where the night left it is the slider's, for the person's next move.
        const QSignalBlocker quiet(form_->volumeSlider);
        form_->volumeSlider->settle();
    }
    if (view.title != before.title)
        setWindowTitle(view.title.isEmpty() ? restCaption() : view.title);
    // A text cleared by the window's own rules stays cleared until there is news.
    if (view.said != before.said || view.rest != before.rest)
        setStatusText(view.status);
}

QString MainWindow::title() const
{
    return view_.title.isEmpty() ? QStringLiteral("Somnelle") : view_.title;
}

void MainWindow::markMissing(const QList<SetupField> &fields)
{
    for (const SetupField field : fields)
        setFieldColour(field == SetupField::Minutes ? form_->minutesEdit : form_->wakeVolumeEdit, Fuchsia);
}

void MainWindow::showPercent(quint8 percent)
{
    form_->volumeReadout->showPercent(percent);
}

void MainWindow::showLevel(quint16 level)
{
    // The program's own move: not to be taken for the user's. During a night
    // the handle moves a pixel every few seconds; the ticks between wait.
    const QSignalBlocker quiet(form_->volumeSlider);
    if (view_.state == WindowView::State::Running)
        form_->volumeSlider->showValue(level);
    else
        form_->volumeSlider->setValue(level);
}

void MainWindow::showMixerError()
{
    // Opened from the event loop, once the window being shown is on the screen to own it.
    QMetaObject::invokeMethod(
        this, [this] { QMessageBox::warning(this, title(), tr("Mixer initialization error")); }, Qt::QueuedConnection);
}

void MainWindow::showMinutes(const QString &minutes)
{
    form_->minutesEdit->setText(minutes);
}

void MainWindow::showResumeOffer(const QString &offer)
{
    resumeLink_->setText(offer);
    resumeLink_->setAccessibleName(offer);
    showResumeLink();
}

void MainWindow::showWakeRouteTip(const QString &tip)
{
    form_->sleepCheck->showTip(tip);
}

Setup MainWindow::fields() const
{
    Setup setup;
    setup.minutes = form_->minutesEdit->text();
    setup.endAction = form_->shutdownChoice->isChecked() ? EndAction::PowerOff
        : form_->suspendChoice->isChecked()              ? EndAction::Suspend
        : form_->alarmChoice->isChecked()                ? EndAction::Alarm
                                                         : EndAction::None;
    setup.wakeUpTime = form_->alarmTimeEdit->time();
    setup.tomorrow = form_->tomorrowCheck->isChecked();
    setup.wakeUpPercent = form_->wakeVolumeEdit->text();
    setup.startFile = form_->startFileEdit->text();
    setup.sleepUntilAlarm = form_->sleepCheck->isChecked();
    setup.endWithTrack = form_->trackCheck->isChecked();
    return setup;
}

void MainWindow::showSetup(const Setup &setup)
{
    form_->minutesEdit->setText(setup.minutes);
    chooseEndAction(setup.endAction);
    // The picker keeps its own date; what the program puts in is no edit of the person's.
    if (setup.wakeUpTime.isValid()) {
        const QSignalBlocker quiet(form_->alarmTimeEdit);
        form_->alarmTimeEdit->setTime(setup.wakeUpTime);
    }
    form_->tomorrowCheck->setChecked(setup.tomorrow);
    form_->wakeVolumeEdit->setText(setup.wakeUpPercent);
    form_->startFileEdit->setText(setup.startFile);
    form_->sleepCheck->setChecked(setup.sleepUntilAlarm);
    form_->trackCheck->setChecked(setup.endWithTrack);
}

void MainWindow::chooseEndAction(EndAction action)
{
    switch (action) {
    case EndAction::PowerOff:
        form_->shutdownChoice->setChecked(true);
        return;
    case EndAction::Suspend:
        form_->suspendChoice->setChecked(true);
        return;
    case EndAction::Alarm:
        form_->alarmChoice->setChecked(true);
        return;
    case EndAction::None:
        break;
    }
    // An exclusive choice cannot be unchecked by itself; a settings file may choose none.
    for (QRadioButton *choice : {form_->shutdownChoice, form_->suspendChoice, form_->alarmChoice}) {
        if (!choice->isChecked())
            continue;
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}
