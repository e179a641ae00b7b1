// SPDX-License-Identifier: MIT
#include "session/volumecontrol.h"

#include "audio/levels.h"

VolumeControl::VolumeControl(Mixer &mixer, VolumeView &view, std::function<bool()> sessionRunning)
    : mixer_(mixer)
    , view_(view)
    , sessionRunning_(std::move(sessionRunning))
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
    if (sessionRunning_())
        return;
    // Our own writes come back as changes too; a level we already hold is no
    // news, and showing it again would lose a readout of the exact percent set.
    const std::optional<quint16> level = mixer_.readMasterLevel();
    if (level && *level != level_)
        showMixerLevel(*level);
}

void VolumeControl::refreshIfUnwatched()
{
    if (!mixer_.isWatching())
        followMixer();
}

void VolumeControl::showMixerLevel(quint16 level)
{
    level_ = level;
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
    if (sessionRunning_() || movingSlider_)
        return;
    const quint16 position = view_.sliderPosition();
    if (mixer_.setMasterLevel(position) != Mixer::Access::NoMixer) {
        if (position > level_)
            turnOutputOn();
        level_ = position;
    }
    showCurrentLevel();
}

void VolumeControl::turnOutputOn()
{
    // A fade that ended in a power-off leaves the output muted, and a sound
    // server keeps that across a reboot: turning the volume up must be heard.
    if (mixer_.readWaveVolume() == std::optional<quint32>(0))
        mixer_.writeWaveVolume(0xFFFFFFFFu);
}

void VolumeControl::stepByWheel(bool up)
{
    if (sessionRunning_())
        return;
    // Without change events the level may be stale: a notch up must not turn the volume down.
    refreshIfUnwatched();
    quint16 &level = level_;
    if (up)
        level = level > 65535 - WheelStep ? 65535 : level + WheelStep;
    else
        level = level < WheelStep ? 0 : level - WheelStep;

    if (mixer_.setMasterLevel(level) != Mixer::Access::NoMixer) {
        moveSliderQuietly(level);
        if (up)
            turnOutputOn();
    }
    showCurrentLevel();
}

void VolumeControl::writeCurrentLevel()
{
    mixer_.setMasterLevel(level_);
}

void VolumeControl::setLevel(quint16 level)
{
    level_ = level;
    moveSliderQuietly(level);
    showCurrentLevel();
}

void VolumeControl::setLevelOfPercent(quint8 percent)
{
    level_ = PercentToLevel(percent);
    moveSliderQuietly(level_);
    percent_ = percent;
    view_.showVolumeReadout(percent);
}

void VolumeControl::showCurrentLevel()
{
    percent_ = LevelToPercent(level_);
    view_.showVolumeReadout(percent_);
}
