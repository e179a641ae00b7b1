// SPDX-License-Identifier: MIT
#include "app/somnelle.h"

#include "platform/platform.h"
#include "settings/commandline.h"
#include "settings/settingsstore.h"
#include "ui/mainwindow.h"
#include "ui/windowactivation.h"

Somnelle::Somnelle(const Platform &platform, Invocation asked)
    : platform_(platform)
    , asked_(std::move(asked))
    , volume_(*platform.mixer)
    , session_(platform, volume_)
    , form_(std::make_unique<MainWindow>(session_, volume_, *platform.shell))
{
    connect(form_.get(), &MainWindow::opening, this, [this] {
        loadStoredSetup();
        volume_.readAtStart();
    });
    connect(form_.get(), &MainWindow::firstActivated, this, [this] { applyCommandLine(asked_); });
    connect(form_.get(), &MainWindow::exitClicked, this, &Somnelle::exitProgram);
    connect(&session_, &SessionController::finished, this, &Somnelle::ended);
}

Somnelle::~Somnelle() = default;

void Somnelle::loadStoredSetup()
{
    Setup setup = form_->setup();
    platform_.settings->load(setup);
    form_->showSetup(setup);
}

HandOverAnswer Somnelle::handOver(const Invocation &asked, const QString &activationToken)
{
    if (asked.kind == Invocation::Kind::Misuse)
        return {HandOverAnswer::InvalidParameters, asked.error};
    WindowActivation::raise(form_.get(), activationToken);
    if (session_.isRunning())
        return {HandOverAnswer::Refused, session_.refusalOfAnotherSession()};
    // The wake-up has been heard: what comes next is a new night.
    session_.silenceChime();
    // "registry" means the stored setup, not what the window shows unsaved.
    if (asked.usesStoredSetup())
        loadStoredSetup();
    if (!applyCommandLine(asked))
        return {HandOverAnswer::InvalidParameters, tr("Invalid parameters", "status line")};
    return {};
}

bool Somnelle::applyCommandLine(const Invocation &asked)
{
    Setup setup = form_->setup();
    switch (CommandLine::apply(asked.words, setup, QLocale())) {
    case CommandLine::Outcome::Nothing:
        return true;
    case CommandLine::Outcome::InvalidParameters:
        // The words that converted stay in their fields.
        form_->showSetup(setup);
        form_->setStatusText(tr("Invalid parameters", "status line"));
        return false;
    case CommandLine::Outcome::Start:
        break;
    }
    // A command line ticks the box or leaves it unticked; "registry" keeps the stored choice.
    if (!asked.usesStoredSetup())
        setup.sleepUntilAlarm = asked.sleepUntilAlarm;
    form_->showSetup(setup);
    setup.dryRun = asked.dryRun;
    session_.start(setup);
    return true;
}

void Somnelle::cancelOrSilence()
{
    if (!session_.silenceChime())
        session_.cancel();
}

void Somnelle::exitProgram()
{
    // Muted for the night, the output would stay muted for good.
    if (session_.phase() == SessionController::Phase::WaitingForWakeUp)
        session_.cancel();
    Q_EMIT ended();
}

void Somnelle::endBySignal()
{
    session_.cancel();
    Q_EMIT ended();
}
