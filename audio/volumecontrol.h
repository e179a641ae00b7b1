#pragma once

#include "app/sessionstate.h"
#include "audio/mixer.h"
#include "audio/volumeview.h"

// The window as a master-volume control: the read when it opens, the slider
// and the mouse wheel.
class VolumeControl {
public:
    static constexpr quint16 WheelStep = 1000;

    VolumeControl(SessionState &state, Mixer &mixer, VolumeView &view);

    // The second half of FormShow: the current master volume into the slider and readout.
    void readAtShow();
    void TrackBar3Change();
    void FormMouseWheel(bool up);
    // Sets the master volume to CurrentLevel; a missing mixer is skipped silently.
    void ApplyMasterLevel();
    // CurrentPercent from CurrentLevel, then the readout.
    void showCurrentLevel();

private:
    SessionState &state_;
    Mixer &mixer_;
    VolumeView &view_;
};
