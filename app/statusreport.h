// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class SessionController;
class VolumeControl;

// The session as --status tells it to scripts, and as a refused second start
// hears of it.
namespace StatusReport {

// One line: "idle", "fading 37 %, ends at 23:47, then shutdown" (with
// " (dry run)" for one), "ending" (between the fade's end and the end
// action), "waiting for the wake-up at 07:30" (with "; the computer sleeps
// until then" while its wake is armed), "wake-up sounding". English in every
// language, 24 hours in every locale; a time more than a day away names its
// day ("ends at 17:49 on Thu 10 Dec").
QString line(const SessionController &session, const VolumeControl &volume);
// Why another command line cannot start a session now, with what can be done instead.
QString refusalOfAnotherSession(const SessionController &session, const VolumeControl &volume);

} // namespace StatusReport
