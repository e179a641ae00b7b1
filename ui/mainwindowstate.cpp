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

#include "ui/picturebutton.h"
#include "ui/trackbar.h"

// What the window shows of the program's state, and its fields as a setup:
// kept apart from the window's own behaviour.

void MainWindow::setStatusText(const QString &text)
{
    const QString shown = text.isEmpty() && dryRun_ ? tr("Dry run: the computer stays on", "status line") : text;
    if (shown.isEmpty())
        statusBar->clearMessage();
    else
        statusBar->showMessage(shown);
}

void MainWindow::setDryRun(bool dryRun)
{
    dryRun_ = dryRun;
    if (statusText().isEmpty())
        setStatusText(QString());
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
            QMessageBox box(QMessageBox::Critical, title_, errorMessageText(message), QMessageBox::Ok, this);
            box.exec();
        },
        Qt::QueuedConnection);
}

void MainWindow::showPhase()
{
    // Only a change between a session and none changes the look: enabling
    // the setup again would also clear the marks of missing fields.
    const bool running = session_.isRunning();
    if (running == running_)
        return;
    running_ = running;
    if (running) {
        disableSetupControls();
        startCancelButton->setPicture(cancelPicture_);
        startCancelButton->setAccessibleName(tr("Cancel"));
        return;
    }
    enableSetupControls();
    startCancelButton->setPicture(startPicture_);
    startCancelButton->setAccessibleName(tr("Start"));
    setWindowTitle(restCaption());
    title_ = QStringLiteral("Somnelle");
}

void MainWindow::showTitle(const QString &title)
{
    setWindowTitle(title);
    title_ = title;
}

void MainWindow::markMissing(SessionController::Field field)
{
    setFieldColour(field == SessionController::Field::Minutes ? minutesEdit : wakeVolumeEdit, Fuchsia);
}

void MainWindow::showLevel(quint16 level)
{
    // The program's own move: not to be taken for the user's.
    const QSignalBlocker quiet(volumeSlider);
    volumeSlider->setValue(level);
}

void MainWindow::showMixerError()
{
    // Opened from the event loop, once the window being shown is on the screen to own it.
    QMetaObject::invokeMethod(
        this, [this] { QMessageBox::warning(this, title_, tr("Mixer initialization error")); }, Qt::QueuedConnection);
}

void MainWindow::showWakeRoute(WakeAlarm::Route route)
{
    switch (route) {
    case WakeAlarm::Route::Kernel:
        sleepCheck->showTip(tr("This computer can wake itself for the alarm: Somnelle may set its wake-up timer"));
        return;
    case WakeAlarm::Route::PowerManager:
        sleepCheck->showTip(tr("This computer can wake itself for the alarm, through the desktop's power manager"));
        return;
    case WakeAlarm::Route::None:
        break;
    }
    sleepCheck->showTip(tr("This computer cannot wake itself for the alarm: it stays on until then, as without this"));
}

Setup MainWindow::setup() const
{
    Setup setup;
    setup.minutes = minutesEdit->text();
    setup.endAction = shutdownChoice->isChecked() ? EndAction::PowerOff
        : suspendChoice->isChecked()              ? EndAction::Suspend
        : alarmChoice->isChecked()                ? EndAction::Alarm
                                                  : EndAction::None;
    setup.wakeUpTime = alarmTimeEdit->time();
    setup.tomorrow = tomorrowCheck->isChecked();
    setup.wakeUpPercent = wakeVolumeEdit->text();
    setup.startFile = startFileEdit->text();
    setup.sleepUntilAlarm = sleepCheck->isChecked();
    setup.dryRun = dryRun_;
    return setup;
}

void MainWindow::showSetup(const Setup &setup)
{
    minutesEdit->setText(setup.minutes);
    chooseEndAction(setup.endAction);
    // The picker keeps its own date.
    if (setup.wakeUpTime.isValid())
        alarmTimeEdit->setTime(setup.wakeUpTime);
    tomorrowCheck->setChecked(setup.tomorrow);
    wakeVolumeEdit->setText(setup.wakeUpPercent);
    startFileEdit->setText(setup.startFile);
    sleepCheck->setChecked(setup.sleepUntilAlarm);
}

void MainWindow::chooseEndAction(EndAction action)
{
    switch (action) {
    case EndAction::PowerOff:
        shutdownChoice->setChecked(true);
        return;
    case EndAction::Suspend:
        suspendChoice->setChecked(true);
        return;
    case EndAction::Alarm:
        alarmChoice->setChecked(true);
        return;
    case EndAction::None:
        break;
    }
    // An exclusive choice cannot be unchecked by itself; a settings file may choose none.
    for (QRadioButton *choice : {shutdownChoice, suspendChoice, alarmChoice}) {
        if (!choice->isChecked())
            continue;
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}
