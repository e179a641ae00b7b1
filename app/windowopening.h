// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <memory>

// Whether a window can be opened here, asked before Qt is: without a display
// (ssh, cron, a systemd timer) Qt would abort the program on the spot, where
// a command line can still be handed over to the Somnelle that runs.
namespace WindowOpening {

// Whether a display server that Qt would use answers: X11 at $DISPLAY or
// -display, Wayland at $WAYLAND_DISPLAY, as $QT_QPA_PLATFORM or -platform
// chooses them. Any other platform (offscreen, say) counts as one.
bool possible(int argc, char **argv);

// The application, built where possible() said yes. Should Qt give up on the
// display all the same, the program says so in one line and ends with status 1
// instead of aborting.
std::unique_ptr<QApplication> application(int &argc, char **argv);

} // namespace WindowOpening
