// SPDX-License-Identifier: MIT
#include "app/somnelle.h"

#include "session/platform.h"
#include "settings/commandline.h"
#include "settings/setupsettings.h"
#include "ui/mainwindow.h"

Somnelle::Somnelle(const Platform &platform, QStringList arguments)
    : platform_(platform)
    , arguments_(std::move(arguments))
    , form_(std::make_unique<MainWindow>(*platform.shell))
    , volume_(*platform.mixer, *form_, [this] { return session_.isRunning(); })
    , session_(platform, *form_, volume_)
{
    MainWindow *window = form_.get();
    QObject::connect(window, &MainWindow::opening, window, [this] {
        LoadSettings(*platform_.settings, *form_);
        volume_.readAtShow();
    });
    QObject::connect(window, &MainWindow::firstActivated, window, [this] { applyCommandLine(arguments_); });
    QObject::connect(window, &MainWindow::startCancelClicked, window, [this] { session_.startOrCancel(); });
    QObject::connect(window, &MainWindow::exitClicked, window, [this] { exitProgram(); });
    QObject::connect(window, &MainWindow::volumeSliderChanged, window, [this] { volume_.volumeSliderChanged(); });
    QObject::connect(window, &MainWindow::wheelNotch, window, [this](bool up) { volume_.stepByWheel(up); });
    window->setCloseGuard([this] { return session_.closeRequested(); });
    window->setPressGuard([this] { return session_.silenceChime(); });
}

Somnelle::~Somnelle() = default;

QString Somnelle::handOver(const QStringList &arguments)
{
    if (session_.isRunning())
        return QStringLiteral("a session is already running: %1; use --cancel or --extend").arg(session_.describe());
    raiseWindow();
    applyCommandLine(arguments);
    return {};
}

void Somnelle::raiseWindow()
{
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void Somnelle::applyCommandLine(const QStringList &arguments)
{
    switch (ApplyCommandLine(arguments, *form_, QLocale())) {
    case CommandLineOutcome::Nothing:
        break;
    case CommandLineOutcome::InvalidParameters:
        form_->setStatusText(QStringLiteral("Invalid parameters"));
        break;
    case CommandLineOutcome::Start:
        session_.startOrCancel();
        break;
    }
}

void Somnelle::exitProgram()
{
    // Muted for the night, the output would stay muted for good.
    if (session_.isWaitingForWakeUp())
        session_.cancel();
    platform_.exitProcess();
}

void Somnelle::endBySignal()
{
    if (session_.isRunning())
        session_.cancel();
    platform_.quitApplication();
}
