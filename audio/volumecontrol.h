#pragma once

#include "app/sessionstate.h"
#include "audio/mixer.h"
#include "audio/volumeview.h"

// The window as a master-volume control: the read when it opens, the slider
// and the mouse wheel, and the level set elsewhere followed while idle.
class VolumeControl {
public:
    static constexpr quint16 WheelStep = 1000;

    VolumeControl(SessionState &state, Mixer &mixer, VolumeView &view);

    // The second half of loadAtShow: the current master volume into the slider and
    // readout; from then on, while idle, they follow changes made elsewhere.
    void readAtShow();
    // Reads the level again when changes made elsewhere cannot be followed.
    void refreshIfUnwatched();
    void volumeSliderChanged();
    void stepByWheel(bool up);
    // Sets the master volume to CurrentLevel; a missing mixer is skipped silently.
    void writeCurrentLevel();
    // CurrentPercent from CurrentLevel, then the readout.
    void showCurrentLevel();

private:
    void followMixer();
    // The mixer's level into CurrentLevel, the readout and the slider, writing nothing back.
    void showMixerLevel(quint16 level);
    // Moves the slider without its change handler writing the level again.
    void moveSliderQuietly(quint16 level);

    SessionState &state_;
    Mixer &mixer_;
    VolumeView &view_;
    bool movingSlider_ = false;
};
