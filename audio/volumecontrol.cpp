#include "audio/volumecontrol.h"

#include "audio/levels.h"

VolumeControl::VolumeControl(SessionState &state, Mixer &mixer, VolumeView &view)
    : state_(state)
    , mixer_(mixer)
    , view_(view)
{
}

void VolumeControl::readAtShow()
{
    const std::optional<quint16> read = mixer_.readMasterLevel();
    if (!read)
        view_.showMixerError();
    const quint16 level = read.value_or(0);
    state_.CurrentPercent = LevelToPercent(level);
    view_.ShowVolumeReadout(state_.CurrentPercent);
    // Moving the slider lets its change handler take the level over into CurrentLevel.
    view_.setSliderPosition(level);
}

void VolumeControl::TrackBar3Change()
{
    if (state_.SliderDrivesMixer != 1)
        return;
    const quint16 position = view_.sliderPosition();
    if (mixer_.setMasterLevel(position) != Mixer::Access::NoMixer)
        state_.CurrentLevel = position;
    showCurrentLevel();
}

void VolumeControl::FormMouseWheel(bool up)
{
    if (state_.SessionIdle != 1)
        return;
    quint16 &level = state_.CurrentLevel;
    if (up)
        level = level > 65535 - WheelStep ? 65535 : level + WheelStep;
    else
        level = level < WheelStep ? 0 : level - WheelStep;

    if (mixer_.setMasterLevel(level) != Mixer::Access::NoMixer)
        view_.setSliderPosition(level);
    showCurrentLevel();
}

void VolumeControl::ApplyMasterLevel()
{
    mixer_.setMasterLevel(state_.CurrentLevel);
}

void VolumeControl::showCurrentLevel()
{
    state_.CurrentPercent = LevelToPercent(state_.CurrentLevel);
    view_.ShowVolumeReadout(state_.CurrentPercent);
}
