// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "settings/setupview.h"

// What the session controller reads and changes in the window, besides the
// slider and readout of the volume control.
class SessionView : public SetupView {
public:
    virtual bool wakeUpVolumeEnabled() const = 0;
    // The field's error colour; typing into it clears the mark.
    virtual void markMinutesMissing() = 0;
    virtual void markWakeUpVolumeMissing() = 0;
    virtual void setStatusText(const QString &text) = 0;
    virtual void enableSetupControls() = 0;
    virtual void disableSetupControls() = 0;
    virtual void showStartPicture() = 0;
    virtual void showCancelPicture() = 0;
    // The rest caption and title "Somnelle".
    virtual void showRestCaption() = 0;
    // The window caption and then the application title.
    virtual void setCaptionAndTitle(const QString &text) = 0;
};
