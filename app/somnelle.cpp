// SPDX-License-Identifier: MIT
#include "app/somnelle.h"

#include "app/statusreport.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "session/sessiontext.h"
#include "settings/commandline.h"
#include "settings/settingsstore.h"
#include "ui/mainwindow.h"
#include "ui/windowactivation.h"

Somnelle::Somnelle(const Platform &platform, MainWindow &window, Invocation asked)
    : platform_(platform)
    , asked_(std::move(asked))
    , volume_(*platform.mixer)
    , session_(platform, volume_)
    , form_(&window)
    , indicator_(platform.sessionBus)
{
    // Started as a dry run, the window stays one: no Start of its turns the computer off.
    form_->setDryRun(asked_.dryRun);
    connect(form_, &MainWindow::opening, this, [this] {
        loadStoredSetup();
        volume_.readAtStart();
    });
    connect(form_, &MainWindow::firstActivated, this, [this] { applyCommandLine(asked_); });
    connect(form_, &MainWindow::exitClicked, this, &Somnelle::exitProgram);
    connect(&session_, &SessionController::finished, this, &Somnelle::ended);
    connectWindowRequests();
    connectWindowViews();
    connectIndicator();
}

Somnelle::~Somnelle() = default;

void Somnelle::connectWindowRequests()
{
    connect(form_, &MainWindow::startCancelClicked, &session_, &SessionController::startOrCancel);
    connect(form_, &MainWindow::volumeMoved, &volume_, &VolumeControl::setLevel);
    connect(form_, &MainWindow::wheelTurned, &volume_, &VolumeControl::stepByWheel);
    connect(form_, &MainWindow::wakeRouteWanted, &session_, &SessionController::findWakeRoute);
    connect(form_, &MainWindow::silenceRequested, &session_, &SessionController::silenceChime);
    connect(form_, &MainWindow::closedWhileBusy, &session_, &SessionController::endWhenDone);
    connect(form_, &MainWindow::linkActivated, platform_.shell, &Shell::open);
}

void Somnelle::connectWindowViews()
{
    MainWindow *window = form_;
    connect(&session_, &SessionController::phaseChanged, window, [this, window](SessionController::Phase phase) {
        window->setRunning(session_.isRunning());
        window->setWakeUpSounding(phase == SessionController::Phase::OpeningStartFile
                                  || phase == SessionController::Phase::Chiming);
    });
    connect(&session_, &SessionController::noticeChanged, window, [this, window](const SessionNotice &notice) {
        window->setStatusText(SessionText::statusLine(notice, session_.now()));
    });
    connect(&session_, &SessionController::fadePercentChanged, window,
            [window](int percent) { window->showTitle(SessionText::title(percent)); });
    connect(&session_, &SessionController::fieldMissing, window, [window](SessionController::Field field) {
        if (field == SessionController::Field::Minutes)
            window->markMinutesMissing();
        else
            window->markWakeUpPercentMissing();
    });
    connect(&session_, &SessionController::failed, window, &MainWindow::showError);
    connect(&session_, &SessionController::wakeRouteFound, window, &MainWindow::showWakeRoute);
    connect(&volume_, &VolumeControl::levelChanged, window, &MainWindow::showLevel);
    connect(&volume_, &VolumeControl::percentChanged, window, &MainWindow::showPercent);
    connect(&volume_, &VolumeControl::mixerUnavailable, window, &MainWindow::showMixerError);
}

void Somnelle::connectIndicator()
{
    connect(&session_, &SessionController::phaseChanged, this, [this](SessionController::Phase phase) {
        if (phase == SessionController::Phase::Fading)
            fadeLeft_ = 1;
        showIndicator();
    });
    connect(&session_, &SessionController::noticeChanged, this, &Somnelle::showIndicator);
    connect(&session_, &SessionController::fadeProgressed, this, [this](double left) {
        fadeLeft_ = left;
        showIndicator();
    });
    connect(&indicator_, &TrayIndicator::windowWanted, this,
            [this](const QString &token) { WindowActivation::raise(form_, token); });
    connect(&indicator_, &TrayIndicator::extendRequested, this, [this] {
        // Refused as --extend is, and said where the person looks next.
        const QString refusal = extend(15);
        if (!refusal.isEmpty())
            form_->setStatusText(refusal);
    });
    connect(&indicator_, &TrayIndicator::cancelRequested, &session_, &SessionController::cancel);
    connect(&indicator_, &TrayIndicator::silenceRequested, &session_, &SessionController::silenceChime);
}

void Somnelle::showIndicator()
{
    const SessionController::Phase phase = session_.phase();
    if (phase == SessionController::Phase::Idle) {
        indicator_.remove();
        return;
    }
    TrayIndicator::View view;
    // The end of a power-off night is still the night's; the alarm clock is the wait's and the wake-up's.
    view.alarmClock = phase == SessionController::Phase::WaitingForWakeUp || !session_.isRunning();
    view.fading = phase == SessionController::Phase::Fading;
    view.left = fadeLeft_;
    view.toolTip = SessionText::indicatorToolTip(session_, volume_.percent());
    view.sounding = !session_.isRunning();
    indicator_.show(view);
}

QString Somnelle::status() const
{
    return StatusReport::line(session_, volume_);
}

QString Somnelle::extend(int minutes)
{
    return SessionText::extendRefusal(session_.extend(minutes), session_.now());
}

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
    WindowActivation::raise(form_, activationToken);
    // Without a start command line (the menu entry) it only raises the window, whatever runs there.
    if (asked.words.isEmpty())
        return {};
    if (session_.isRunning())
        return {HandOverAnswer::Refused, StatusReport::refusalOfAnotherSession(session_, volume_)};
    // The wake-up has been heard: what comes next is a new night.
    session_.silenceChime();
    // "registry" means the stored setup, not what the window shows unsaved.
    if (asked.usesStoredSetup())
        loadStoredSetup();
    return applyCommandLine(asked);
}

HandOverAnswer Somnelle::applyCommandLine(const Invocation &asked)
{
    Setup setup = form_->setup();
    switch (CommandLine::apply(asked.words, setup)) {
    case CommandLine::Outcome::Nothing:
        return {};
    case CommandLine::Outcome::InvalidParameters:
        // The words that converted stay in their fields.
        form_->showSetup(setup);
        form_->setStatusText(tr("Invalid parameters", "status line"));
        return {HandOverAnswer::InvalidParameters, tr("Invalid parameters", "status line")};
    case CommandLine::Outcome::Start:
        break;
    }
    // A command line ticks the box or leaves it unticked; "registry" keeps the stored choice.
    if (!asked.usesStoredSetup())
        setup.sleepUntilAlarm = asked.sleepUntilAlarm;
    form_->showSetup(setup);
    // A command line carries its own dry run, whatever the window's.
    setup.dryRun = asked.dryRun;
    // Whoever started nothing hears why: a field the session marked, or a setup it could not save.
    const SessionController::StartAnswer answer = session_.start(setup);
    switch (answer.outcome) {
    case SessionController::StartAnswer::Started:
        return {};
    case SessionController::StartAnswer::FieldMissing:
        return {HandOverAnswer::InvalidParameters, answer.reason};
    case SessionController::StartAnswer::AlreadyRunning:
        return {HandOverAnswer::Refused, StatusReport::refusalOfAnotherSession(session_, volume_)};
    case SessionController::StartAnswer::NotSaved:
        break;
    }
    return {HandOverAnswer::Refused, answer.reason};
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
