#include "app/somnelle.h"

#include <cstdlib>

#include "settings/setupsettings.h"
#include "ui/tform1.h"

Somnelle::Somnelle(SessionState &state, SettingsStore &settings)
    : state_(state)
    , settings_(settings)
    , form_(std::make_unique<TForm1>(*this, shell_, [] { std::_Exit(0); }))
    , volume_(state, mixer_, *form_)
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

void Somnelle::applyCommandLine() {}
void Somnelle::trackBarChanged()
{
    volume_.TrackBar3Change();
}

void Somnelle::mouseWheel(bool up)
{
    volume_.FormMouseWheel(up);
}

void Somnelle::startCancelClicked() {}
