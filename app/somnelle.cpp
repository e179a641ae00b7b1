#include "app/somnelle.h"

#include <cstdlib>

#include "ui/tform1.h"

Somnelle::Somnelle(SessionState &state)
    : state_(state)
    , form_(std::make_unique<TForm1>(*this, shell_, [] { std::_Exit(0); }))
    , volume_(state, mixer_, *form_)
{
}

Somnelle::~Somnelle() = default;

void Somnelle::loadSettings() {}
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
