#include "app/somnelle.h"

#include <cstdlib>

#include "ui/tform1.h"

Somnelle::Somnelle(SessionState &state)
    : state_(state)
    , form_(std::make_unique<TForm1>(*this, shell_, [] { std::_Exit(0); }))
{
}

Somnelle::~Somnelle() = default;

void Somnelle::loadSettings() {}
void Somnelle::readMasterVolume() {}
void Somnelle::applyCommandLine() {}
void Somnelle::trackBarChanged() {}
void Somnelle::mouseWheel(bool) {}
void Somnelle::startCancelClicked() {}
