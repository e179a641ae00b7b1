// SPDX-License-Identifier: MIT
#include "session/volumecontrol.h"

#include <utility>

#include "audio/levels.h"

VolumeControl::VolumeControl(Mixer &mixer, QObject *parent)
    : QObject(parent)
    , mixer_(mixer)
{
    connect(&mixer_, &Mixer::levelRead, this, &VolumeControl::takeLevel);
    connect(&mixer_, &Mixer::unavailable, this, &VolumeControl::takeLack);
    // Only the night's mute asks for it.
    connect(&mixer_, &Mixer::outputRead, this, [this](quint32 volume) { outputBeforeTheNight_ = volume; });
}

void VolumeControl::readAtStart()
{
    startRead_ = true;
    mixer_.refresh();
    mixer_.watch();
}

void VolumeControl::takeLevel(quint16 level)
{
    mixerMissing_ = false;
    beforeSlider_.reset();
    const bool atStart = std::exchange(startRead_, false);
    if (locked_ && !atStart)
        return;
    if (!notches_.isEmpty()) {
        level_ = level;
        applyNotches();
    } else if (atStart || level != level_) {
        // Our own writes come back as changes too; a level we already hold is no
        // news, and showing it again would lose a readout of the exact percent set.
        showMixerLevel(level);
    }
}

void VolumeControl::takeLack(Mixer::Lack lack)
{
    mixerMissing_ = lack == Mixer::Lack::NoMixer;
    if (std::exchange(startRead_, false)) {
        Q_EMIT mixerUnavailable();
        showMixerLevel(0);
    }
    if (locked_)
        return;
    // The slider's moves found no mixer: the level stays as it was, and the readout with it.
    const std::optional<quint16> before = std::exchange(beforeSlider_, std::nullopt);
    if (before && mixerMissing_) {
        level_ = *before;
        showCurrentLevel();
    }
    // The mixer cannot tell its level: the notches go from the one held.
    if (!notches_.isEmpty())
        applyNotches();
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
    // What waited for the mixer's answer is the session's now.
    if (locked) {
        notches_.clear();
        beforeSlider_.reset();
    }
}

void VolumeControl::setLevel(quint16 level)
{
    if (locked_)
        return;
    const bool up = level > level_;
    // With no mixer the level stays; the write tells whether it is back.
    if (!mixerMissing_) {
        beforeSlider_ = beforeSlider_.value_or(level_);
        level_ = level;
    }
    mixer_.setLevel(level);
    // A fade that ended in a power-off leaves the output muted, and a sound
    // server keeps that across a reboot: turning the volume up must be heard.
    if (up && !mixerMissing_)
        mixer_.setOutputMuted(false);
    showCurrentLevel();
}

void VolumeControl::stepByWheel(bool up)
{
    if (locked_)
        return;
    notches_ << up;
    // Without change events the level held may be stale: a notch up must not
    // turn the volume down, so the notches wait for the mixer's level.
    if (mixer_.isWatching())
        applyNotches();
    else if (notches_.size() == 1)
        mixer_.refresh();
}

void VolumeControl::applyNotches()
{
    bool up = false;
    for (const bool notchUp : std::exchange(notches_, {})) {
        if (notchUp)
            level_ = level_ > 65535 - WheelStep ? 65535 : level_ + WheelStep;
        else
            level_ = level_ < WheelStep ? 0 : level_ - WheelStep;
        up = up || notchUp;
    }
    // The wheel's level stands, with or without a mixer.
    beforeSlider_.reset();
    mixer_.setLevel(level_);
    // With no mixer the level and the readout move, the slider not.
    if (!mixerMissing_) {
        Q_EMIT levelChanged(level_);
        if (up)
            mixer_.setOutputMuted(false);
    }
    showCurrentLevel();
}

void VolumeControl::beginFade()
{
    // One connection for the whole fade, not one a second.
    mixer_.keepOpen(true);
}

void VolumeControl::setFadeLevel(quint16 level)
{
    // The session sets the level now: a late answer to the start's read is no news.
    startRead_ = false;
    level_ = level;
    Q_EMIT levelChanged(level);
    showCurrentLevel();
    mixer_.setLevel(level_);
}

void VolumeControl::endFade()
{
    mixer_.keepOpen(false);
}

void VolumeControl::muteForTheNight()
{
    outputBeforeTheNight_.reset();
    mixer_.setOutputMuted(true);
    endFade();
}

void VolumeControl::giveBackOutput()
{
    mixer_.setOutput(outputBeforeTheNight_.value_or(Mixer::OutputOn));
}

void VolumeControl::turnOutputOn()
{
    // The user asked to be woken at a volume: a wave output that was muted, or
    // could not be read, before the session is turned fully on.
    const quint32 before = outputBeforeTheNight_.value_or(0);
    mixer_.setOutput(before != 0 ? before : Mixer::OutputOn);
}

void VolumeControl::setWakeUpPercent(quint8 percent)
{
    level_ = Levels::fromPercent(percent);
    Q_EMIT levelChanged(level_);
    showPercent(percent);
    mixer_.setLevel(level_);
}

void VolumeControl::showCurrentLevel()
{
    showPercent(Levels::toPercent(level_));
}

void VolumeControl::showPercent(quint8 percent)
{
    if (percent_ == percent)
        return;
    percent_ = percent;
    Q_EMIT percentChanged(percent);
}
