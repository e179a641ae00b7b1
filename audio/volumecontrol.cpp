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
    // Opening the window writes nothing to the mixer.
    showMixerLevel(read.value_or(0));
    mixer_.watch([this] { followMixer(); });
}

void VolumeControl::followMixer()
{
    // During a session the fade has control.
    if (state_.SessionIdle != 1)
        return;
    // Our own writes come back as changes too; a level we already hold is no
    // news, and showing it again would lose a readout of the exact percent set.
    const std::optional<quint16> level = mixer_.readMasterLevel();
    if (level && *level != state_.CurrentLevel)
        showMixerLevel(*level);
}

void VolumeControl::refreshIfUnwatched()
{
    if (!mixer_.isWatching())
        followMixer();
}

void VolumeControl::showMixerLevel(quint16 level)
{
    state_.CurrentLevel = level;
    showCurrentLevel();
    moveSliderQuietly(level);
}

void VolumeControl::moveSliderQuietly(quint16 level)
{
    movingSlider_ = true;
    view_.setSliderPosition(level);
    movingSlider_ = false;
}

void VolumeControl::volumeSliderChanged()
{
    if (state_.SliderDrivesMixer != 1 || movingSlider_)
        return;
    const quint16 position = view_.sliderPosition();
    if (mixer_.setMasterLevel(position) != Mixer::Access::NoMixer)
        state_.CurrentLevel = position;
    showCurrentLevel();
}

void VolumeControl::stepByWheel(bool up)
{
    if (state_.SessionIdle != 1)
        return;
    // Without change events the level may be stale: a notch up must not turn the volume down.
    refreshIfUnwatched();
    quint16 &level = state_.CurrentLevel;
    if (up)
        level = level > 65535 - WheelStep ? 65535 : level + WheelStep;
    else
        level = level < WheelStep ? 0 : level - WheelStep;

    if (mixer_.setMasterLevel(level) != Mixer::Access::NoMixer)
        moveSliderQuietly(level);
    showCurrentLevel();
}

void VolumeControl::writeCurrentLevel()
{
    mixer_.setMasterLevel(state_.CurrentLevel);
}

void VolumeControl::showCurrentLevel()
{
    state_.CurrentPercent = LevelToPercent(state_.CurrentLevel);
    view_.showVolumeReadout(state_.CurrentPercent);
}
