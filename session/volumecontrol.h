// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "audio/mixer.h"
#include "audio/volumeview.h"

// The window as a master-volume control: the read when it opens, the slider
// and the mouse wheel, and the level set elsewhere followed while idle. It
// holds the master level the program works with and the percent shown for
// it; while a session runs, the session sets them, and the slider, the wheel
// and changes made elsewhere are left alone.
class VolumeControl {
public:
    static constexpr quint16 WheelStep = 1000;

    VolumeControl(Mixer &mixer, VolumeView &view, std::function<bool()> sessionRunning);

    quint16 level() const { return level_; }
    quint8 percent() const { return percent_; }

    // When the window is first shown: the current master volume into the slider and
    // readout; from then on, while idle, they follow changes made elsewhere.
    void readAtShow();
    // Reads the level again when changes made elsewhere cannot be followed.
    void refreshIfUnwatched();
    void volumeSliderChanged();
    void stepByWheel(bool up);
    // The session's level: the slider and the readout follow; nothing is written yet.
    void setLevel(quint16 level);
    // The level of a percent, with the readout showing that percent itself
    // rather than the level's percent rounded down.
    void setLevelOfPercent(quint8 percent);
    // Sets the master volume to the level; a missing mixer is skipped silently.
    void writeCurrentLevel();

private:
    void followMixer();
    // The level's percent, then the readout.
    void showCurrentLevel();
    // The mixer's level into the level, the readout and the slider, writing nothing back.
    void showMixerLevel(quint16 level);
    // Unmutes the output when it is muted, as a volume control does when turned up.
    void turnOutputOn();
    // Moves the slider without its change handler writing the level again.
    void moveSliderQuietly(quint16 level);

    Mixer &mixer_;
    VolumeView &view_;
    std::function<bool()> sessionRunning_;
    quint16 level_ = 0;
    quint8 percent_ = 0;
    bool movingSlider_ = false;
};
