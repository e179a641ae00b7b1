// SPDX-License-Identifier: MIT
#include "session/volumecontrol.h"

#include "audio/levels.h"
#include "audio/mixer.h"

VolumeControl::VolumeControl(Mixer &mixer, QObject *parent)
    : QObject(parent)
    , mixer_(mixer)
{
    connect(&mixer_, &Mixer::masterChanged, this, &VolumeControl::followMixer);
}

void VolumeControl::readAtStart()
{
    const std::optional<quint16> read = mixer_.readMasterLevel();
    if (!read)
        Q_EMIT mixerUnavailable();
    showMixerLevel(read.value_or(0));
    mixer_.watch();
}

void VolumeControl::followMixer()
{
    if (locked_)
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
    Q_EMIT levelChanged(level);
}

void VolumeControl::setLocked(bool locked)
{
    locked_ = locked;
}

void VolumeControl::setLevel(quint16 level)
{
    if (locked_)
        return;
    if (mixer_.setMasterLevel(level) != Mixer::Access::NoMixer) {
        if (level > level_)
            unmuteIfMuted();
        level_ = level;
    }
    showCurrentLevel();
}

void VolumeControl::unmuteIfMuted()
{
    // A fade that ended in a power-off leaves the output muted, and a sound
    // server keeps that across a reboot: turning the volume up must be heard.
    if (mixer_.readWaveVolume() == std::optional<quint32>(0))
        mixer_.writeWaveVolume(0xFFFFFFFFu);
}

void VolumeControl::stepByWheel(bool up)
{
    if (locked_)
        return;
    // Without change events the level may be stale: a notch up must not turn the volume down.
    refreshIfUnwatched();
    if (up)
        level_ = level_ > 65535 - WheelStep ? 65535 : level_ + WheelStep;
    else
        level_ = level_ < WheelStep ? 0 : level_ - WheelStep;

    if (mixer_.setMasterLevel(level_) != Mixer::Access::NoMixer) {
        Q_EMIT levelChanged(level_);
        if (up)
            unmuteIfMuted();
    }
    showCurrentLevel();
}

void VolumeControl::beginFade()
{
    refreshIfUnwatched();
    // One connection for the whole fade, not one a second.
    mixer_.keepOpen(true);
}

void VolumeControl::setFadeLevel(quint16 level)
{
    level_ = level;
    Q_EMIT levelChanged(level);
    showCurrentLevel();
    mixer_.setMasterLevel(level_);
}

void VolumeControl::endFade()
{
    mixer_.keepOpen(false);
}

void VolumeControl::muteForTheNight()
{
    outputBeforeTheNight_ = mixer_.readWaveVolume();
    mixer_.writeWaveVolume(0);
    endFade();
}

void VolumeControl::giveBackOutput()
{
    mixer_.writeWaveVolume(outputBeforeTheNight_.value_or(0xFFFFFFFFu));
}

void VolumeControl::turnOutputOn()
{
    // The user asked to be woken at a volume: a wave output that was muted, or
    // could not be read, before the session is turned fully on.
    const quint32 before = outputBeforeTheNight_.value_or(0);
    mixer_.writeWaveVolume(before != 0 ? before : 0xFFFFFFFFu);
}

void VolumeControl::setWakeUpPercent(quint8 percent)
{
    level_ = Levels::fromPercent(percent);
    Q_EMIT levelChanged(level_);
    percent_ = percent;
    Q_EMIT percentChanged(percent);
    mixer_.setMasterLevel(level_);
}

void VolumeControl::showCurrentLevel()
{
    percent_ = Levels::toPercent(level_);
    Q_EMIT percentChanged(percent_);
}
