#include "app/somnelle.h"

#include "settings/commandline.h"
#include "settings/setupsettings.h"
#include "ui/mainwindow.h"

Somnelle::Somnelle(SessionState &state, const Platform &platform, QStringList arguments)
    : settings_(platform.settings)
    , exitProcess_(platform.exitProcess)
    , quitApplication_(platform.quitApplication)
    , arguments_(std::move(arguments))
    , form_(std::make_unique<MainWindow>(*this, platform.shell, [this] { exitProgram(); }))
    , volume_(state, platform.mixer, *form_)
    , session_({state, *form_, *form_, volume_, platform.mixer, platform.settings, platform.power, platform.awake,
                platform.shell, platform.clock, platform.players, platform.chime, platform.dataFolder, platform.quitApplication, platform.showError})
{
}

Somnelle::~Somnelle() = default;

void Somnelle::loadSettings()
{
    LoadSettings(settings_, *form_);
}

void Somnelle::readMasterVolume()
{
    volume_.readAtShow();
}

void Somnelle::applyCommandLine()
{
    // The window calls this once per run (activateOnce).
    switch (ApplyCommandLine(arguments_, *form_, QLocale())) {
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

void Somnelle::trackBarChanged()
{
    volume_.volumeSliderChanged();
}

void Somnelle::mouseWheel(bool up)
{
    volume_.stepByWheel(up);
}

void Somnelle::startCancelClicked()
{
    session_.startOrCancel();
}

bool Somnelle::windowClicked()
{
    return session_.silenceChime();
}

void Somnelle::exitProgram()
{
    // Muted for the night, the output would stay muted for good.
    if (session_.isWaitingForWakeUp())
        session_.cancel();
    exitProcess_();
}

void Somnelle::endBySignal()
{
    if (session_.isRunning())
        session_.cancel();
    quitApplication_();
}

bool Somnelle::closeRequested()
{
    return session_.closeRequested();
}
