// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The part of the window that shows and sets the master volume.
class VolumeView {
public:
    virtual ~VolumeView() = default;
    virtual quint16 sliderPosition() const = 0;
    // Runs the slider's change handler when the position changes.
    virtual void setSliderPosition(quint16 level) = 0;
    // "Volume: 37 %"
    virtual void showVolumeReadout(quint8 percent) = 0;
    // "Mixer initialization error"
    virtual void showMixerError() = 0;
};
