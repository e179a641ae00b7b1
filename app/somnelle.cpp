// SPDX-License-Identifier: MIT
#include "app/somnelle.h"

#include "platform/endwarning.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/startfile.h"
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
    , window_(&window)
    , indicator_(platform.sessionBus)
    // Started as a dry run, the window stays one: no Start of its turns the computer off.
    , dryRunWindow_(asked_.dryRun)
{
    connect(window_, &MainWindow::opening, this, [this] {
        loadStoredSetup();
        offerResume();
        volume_.readAtStart();
    });
    connect(window_, &MainWindow::firstActivated, this, [this] { applyCommandLine(asked_); });
    connect(window_, &MainWindow::exitClicked, this, &Somnelle::exitProgram);
    connect(&session_, &SessionController::finished, this, &Somnelle::ended);
    connect(&session_, &SessionController::viewChanged, this, [this](const SessionView &view) {
        // Each of the night's sayings is news for the status line, also in words it had before.
        if (view.notice.serial != sessionNotice_) {
            sessionNotice_ = view.notice.serial;
            ++noticesShown_;
        }
        show(view);
    });
    // The warning's buttons are requests as the panel's and the shell's are.
    connect(platform_.warning, &EndWarning::cancelRequested, this, &Somnelle::cancelOrSilence);
    connect(platform_.warning, &EndWarning::extendRequested, this, [this] { extend(15); });
    connectWindow();
    connectIndicator();
    show(session_.view());
}

Somnelle::~Somnelle() = default;

void Somnelle::connectWindow()
{
    MainWindow *window = window_;
    connect(window, &MainWindow::setupEdited, this, &Somnelle::takeFields);
    connect(window, &MainWindow::startCancelClicked, this, [this](const Setup &fields) {
        takeFields(fields);
        Setup setup = setup_;
        setup.dryRun = dryRunWindow_;
        answer(session_.startOrCancel(setup));
    });
    connect(window, &MainWindow::resumeRequested, this, &Somnelle::resume);
    // A night that had to find its track first answers once it has; the window shows the track's minutes.
    connect(&session_, &SessionController::startAnswered, this,
            [this](const StartAnswer &started) { Q_EMIT startAnswered(answer(started)); });
    connect(&session_, &SessionController::resumeAnswered, this, [this](ResumeOutcome outcome, const TrackNote &note) {
        offerResume();
        Q_EMIT resumeAnswered(outcome == ResumeOutcome::Resumed, SessionText::resumeAnswer(outcome, note));
    });
    minutesLeft_.setSingleShot(true);
    connect(&minutesLeft_, &QTimer::timeout, this, [this] { showMinutesLeft(session_.view()); });
    connect(window, &MainWindow::volumeMoved, &volume_, &VolumeControl::setLevel);
    connect(window, &MainWindow::wheelTurned, &volume_, &VolumeControl::stepByWheel);
    connect(window, &MainWindow::wakeRouteWanted, &session_, &SessionController::findWakeRoute);
    connect(window, &MainWindow::silenceRequested, &session_, &SessionController::silenceChime);
    connect(window, &MainWindow::closedWhileBusy, &session_, &SessionController::endWhenDone);
    connect(window, &MainWindow::linkActivated, platform_.shell, &Shell::open);
    connect(&session_, &SessionController::wakeRouteFound, window,
            [window](WakeAlarm::Route route) { window->showWakeRouteTip(SessionText::wakeRoute(route)); });
    connect(&volume_, &VolumeControl::levelChanged, window, &MainWindow::showLevel);
    connect(&volume_, &VolumeControl::percentChanged, window, &MainWindow::showPercent);
    connect(&volume_, &VolumeControl::mixerUnavailable, window, &MainWindow::showMixerError);
}

void Somnelle::connectIndicator()
{
    connect(&indicator_, &TrayIndicator::windowWanted, this,
            [this](const QString &token) { WindowActivation::raise(window_, token); });
    connect(&indicator_, &TrayIndicator::extendRequested, this, [this] { extend(15); });
    connect(&indicator_, &TrayIndicator::cancelRequested, this, &Somnelle::cancelOrSilence);
    connect(&indicator_, &TrayIndicator::silenceRequested, this, &Somnelle::cancelOrSilence);
}

void Somnelle::showNews(const SessionView &view)
{
    ++noticesShown_;
    show(view);
}

void Somnelle::show(const SessionView &view)
{
    WindowView shown;
    shown.state = view.isSounding() ? WindowView::State::Sounding
        : view.isRunning()          ? WindowView::State::Running
                                    : WindowView::State::Idle;
    shown.status = SessionText::statusLine(view, session_.now());
    shown.rest = SessionText::restLine(dryRunWindow_);
    shown.title = SessionText::title(view);
    shown.said = noticesShown_;
    window_->showView(shown);
    showMinutesLeft(view);
    // After a night, where the listener fell asleep is worth offering.
    if (view.phase == SessionView::Phase::Idle && toldPanel_.phase != SessionView::Phase::Idle)
        offerResume();

    // The panel hears of the percent with the fade's progress, at most every ten seconds.
    SessionView percentAside = view;
    percentAside.percent = toldPanel_.percent;
    if (percentAside == toldPanel_)
        return;
    toldPanel_ = view;
    if (view.phase == SessionView::Phase::Idle) {
        indicator_.remove();
        return;
    }
    TrayIndicator::View item;
    // The end of a power-off night is still the night's; the alarm clock is the wait's and the wake-up's.
    item.alarmClock = view.phase == SessionView::Phase::WaitingForWakeUp || view.isSounding();
    item.fading = view.phase == SessionView::Phase::Fading;
    item.left = view.left;
    item.toolTip = SessionText::toolTip(view, session_.now());
    item.sounding = view.isSounding();
    indicator_.show(item);
}

QString Somnelle::status() const
{
    return SessionText::statusReport(session_.view(), session_.now());
}

QString Somnelle::extend(int minutes)
{
    return SessionText::extendRefusal(session_.extend(minutes), session_.now());
}

void Somnelle::cancelOrSilence()
{
    if (!session_.silenceChime())
        session_.cancel();
}

void Somnelle::takeFields(const Setup &fields)
{
    const bool withTrack = setup_.endWithTrack;
    setup_.takeFieldsFrom(fields);
    // With the track ticked, the minutes field follows the track playing now.
    if (setup_.endWithTrack != withTrack)
        session_.followTrack(setup_.endWithTrack);
}

void Somnelle::showMinutesLeft(const SessionView &view)
{
    // The track's end at rest, or the night's with the track: minutes left, rounded up, followed each minute.
    const std::optional<QDateTime> end
        = view.isRunning() ? (view.withTrack ? std::optional(view.fadeEnd) : std::nullopt) : view.trackEnd;
    if (!end) {
        minutesLeft_.stop();
        return;
    }
    const qint64 ms = qMax<qint64>(0, session_.now().msecsTo(*end));
    window_->showMinutes(QString::number((ms + 59999) / 60000));
    if (ms > 0)
        minutesLeft_.start(int(ms % 60000 + 1));
}

void Somnelle::offerResume()
{
    const std::optional<TrackNote> note = session_.noteOffered();
    window_->showResumeOffer(note ? SessionText::resumeOffer(*note) : QString());
}

void Somnelle::resume()
{
    session_.resume();
}

HandOverAnswer Somnelle::answer(const StartAnswer &answer)
{
    switch (answer.outcome) {
    case StartAnswer::Started:
        return {};
    case StartAnswer::LookingForTrack:
        return {HandOverAnswer::Pending, {}};
    case StartAnswer::NoTrack:
        return {HandOverAnswer::InvalidParameters, SessionText::startRefusal(answer)};
    case StartAnswer::FieldMissing:
        window_->markMissing(answer.missing);
        return {HandOverAnswer::InvalidParameters, SessionText::startRefusal(answer)};
    case StartAnswer::AlreadyRunning:
        return {HandOverAnswer::Refused, SessionText::anotherNight(session_.view(), session_.now())};
    case StartAnswer::NotSaved:
        break;
    }
    window_->showError(answer.saveError);
    return {HandOverAnswer::Refused, SessionText::startRefusal(answer)};
}

void Somnelle::loadStoredSetup()
{
    platform_.settings->load(setup_);
    window_->showSetup(setup_);
    session_.followTrack(setup_.endWithTrack);
}

HandOverAnswer Somnelle::handOver(const Invocation &asked, const QString &activationToken)
{
    if (asked.kind == Invocation::Kind::Misuse)
        return {HandOverAnswer::InvalidParameters, asked.error};
    WindowActivation::raise(window_, activationToken);
    const bool dryRunWindow = asked.dryRun && asked.words.isEmpty();
    if ((dryRunWindow || !asked.words.isEmpty()) && session_.isRunning())
        return {HandOverAnswer::Refused, SessionText::anotherNight(session_.view(), session_.now())};
    // A window asked for to try things in is one, as a new one would be: none
    // of its Starts may turn the computer off.
    if (dryRunWindow) {
        dryRunWindow_ = true;
        show(session_.view());
    }
    // Without a start command line (the menu entry) it only raises the window, whatever runs there.
    if (asked.words.isEmpty())
        return {};
    // The wake-up has been heard: what comes next is a new night.
    session_.silenceChime();
    // "registry" means the stored setup, not what the window shows unsaved.
    if (asked.usesStoredSetup())
        loadStoredSetup();
    return applyCommandLine(asked);
}

HandOverAnswer Somnelle::applyCommandLine(const Invocation &asked)
{
    Setup setup = setup_;
    const CommandLine::Outcome outcome = CommandLine::apply(asked.words, setup, asked.endWithTrack);
    // A relative start file means the folder of the command that typed it, also for a later "registry".
    if (asked.action() == QLatin1String("am") && !asked.startFileWord().isEmpty())
        setup.startFile = StartFile::inFolder(setup.startFile, asked.folder, platform_.dataFolder);
    // A command line chooses its options or leaves them off; "registry" keeps the stored choices.
    if (outcome == CommandLine::Outcome::Start && !asked.usesStoredSetup()) {
        setup.sleepUntilAlarm = asked.sleepUntilAlarm;
        setup.decibelFade = asked.decibelFade;
    }
    // The words that converted stay in their fields.
    setup_ = setup;
    window_->showSetup(setup_);
    switch (outcome) {
    case CommandLine::Outcome::Nothing:
        return {};
    case CommandLine::Outcome::InvalidParameters: {
        SessionView view = session_.view();
        view.notice = SessionNotice();
        view.notice.kind = SessionNotice::Kind::InvalidParameters;
        showNews(view);
        return {HandOverAnswer::InvalidParameters, SessionText::invalidParameters()};
    }
    case CommandLine::Outcome::Start:
        break;
    }
    // A command line carries its own dry run, whatever the window's.
    setup.dryRun = asked.dryRun;
    // Whoever started nothing hears why: a field the night marked, or a setup it could not save.
    return answer(session_.start(setup));
}

void Somnelle::exitProgram()
{
    // Muted for the night, the output would stay muted for good.
    if (session_.view().phase == SessionView::Phase::WaitingForWakeUp)
        session_.cancel();
    Q_EMIT ended();
}

void Somnelle::endBySignal()
{
    session_.cancel();
    Q_EMIT ended();
}
