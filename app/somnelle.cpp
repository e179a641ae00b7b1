// SPDX-License-Identifier: MIT
#include "app/somnelle.h"

#include "session/platform.h"
#include "settings/commandline.h"
#include "settings/setupsettings.h"
#include "ui/mainwindow.h"
#include "ui/windowactivation.h"

Somnelle::Somnelle(const Platform &platform, Invocation asked)
    : platform_(platform)
    , asked_(std::move(asked))
    , form_(std::make_unique<MainWindow>(*platform.shell))
    , volume_(*platform.mixer, *form_, [this] { return session_.isRunning(); })
    , session_(platform, *form_, volume_)
{
    MainWindow *window = form_.get();
    QObject::connect(window, &MainWindow::opening, window, [this] {
        LoadSettings(*platform_.settings, *form_);
        volume_.readAtShow();
    });
    QObject::connect(window, &MainWindow::firstActivated, window, [this] { applyCommandLine(asked_); });
    QObject::connect(window, &MainWindow::startCancelClicked, window, [this] { session_.startOrCancel(); });
    QObject::connect(window, &MainWindow::exitClicked, window, [this] { exitProgram(); });
    QObject::connect(window, &MainWindow::volumeSliderChanged, window, [this] { volume_.volumeSliderChanged(); });
    QObject::connect(window, &MainWindow::wheelNotch, window, [this](bool up) { volume_.stepByWheel(up); });
    window->setCloseGuard([this] { return session_.closeRequested(); });
    window->setPressGuard([this] { return session_.silenceChime(); });
}

Somnelle::~Somnelle() = default;

HandOverAnswer Somnelle::handOver(const Invocation &asked, const QString &activationToken)
{
    if (asked.kind == Invocation::Kind::Misuse)
        return {HandOverAnswer::InvalidParameters, asked.error};
    raiseWindow(activationToken);
    if (session_.isRunning())
        return {HandOverAnswer::Refused, session_.refusalOfAnotherSession()};
    // The wake-up has been heard: what comes next is a new night.
    session_.silenceChime();
    // "registry" means the stored setup, not what the window shows unsaved.
    if (asked.words == QStringList {QStringLiteral("registry")})
        LoadSettings(*platform_.settings, *form_);
    if (!applyCommandLine(asked))
        return {HandOverAnswer::InvalidParameters, QStringLiteral("Invalid parameters")};
    return {};
}

void Somnelle::raiseWindow(const QString &activationToken)
{
    RaiseWithToken(form_.get(), activationToken);
}

bool Somnelle::applyCommandLine(const Invocation &asked)
{
    switch (ApplyCommandLine(asked.words, *form_, QLocale())) {
    case CommandLineOutcome::Nothing:
        break;
    case CommandLineOutcome::InvalidParameters:
        form_->setStatusText(QStringLiteral("Invalid parameters"));
        return false;
    case CommandLineOutcome::Start:
        session_.startAsCommanded(asked.dryRun);
        break;
    }
    return true;
}

void Somnelle::cancelOrSilence()
{
    if (!session_.silenceChime() && session_.isRunning())
        session_.cancel();
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
