// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

class QWidget;

// Shows, raises and activates a top-level window on behalf of a start from a
// launcher, which gave that start a token: on Wayland an xdg-activation token
// (XDG_ACTIVATION_TOKEN), on X11 a startup-notification id (DESKTOP_STARTUP_ID).
// Desktops give the focus to a program in the background only with the token,
// and on X11 the launcher's busy cursor ends only when the id is removed.
// Without a token the window is only shown, raised and activated.
namespace WindowActivation {

void raise(QWidget *window, const QString &token);

// The X server time of the launch, from a startup id's "_TIME<n>" ending.
std::optional<quint32> startupIdTime(const QString &startupId);

} // namespace WindowActivation
