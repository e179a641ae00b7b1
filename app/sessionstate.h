#pragma once

#include <QtGlobal>

// The state shared by the window's handlers and the session. The flags are
// bytes compared with 0 or 1 exactly, as the handlers expect.
struct SessionState {
    quint16 CurrentLevel = 0;     // last master level applied or read; the fade's working value
    quint8 CurrentPercent = 0;    // the percentage shown by the readouts
    quint8 SessionIdle = 1;       // 1: the big button means Start; 0: it means Cancel
    quint8 StopRequested = 0;     // set by Cancel; the fade checks it on every tick
    quint8 SliderDrivesMixer = 1; // 0 during a session, so the fade's own slider moves are not sent back
};
