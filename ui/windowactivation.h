// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

class QWidget;

// Brings a top-level window back from wherever it is (minimised, on another
// desktop) and activates it, on behalf of a start from a launcher, which gave
// that start a token, or of a click on the panel: on Wayland an xdg-activation
// token (XDG_ACTIVATION_TOKEN), on X11 a startup-notification id
// (DESKTOP_STARTUP_ID). Desktops give the focus to a program in the
// background only with the token, or on X11 with the time of the person's
// action; the launcher's busy cursor ends only when the id is removed. On
// X11 the window comes to the desktop being shown.
namespace WindowActivation {

void raise(QWidget *window, const QString &token);

// The X server time of the launch, from a startup id's "_TIME<n>" ending.
std::optional<quint32> startupIdTime(const QString &startupId);

} // namespace WindowActivation
