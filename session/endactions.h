#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

// What follows a completed fade, and the preparation for it at the start of
// every session.
class EndActions {
public:
    virtual ~EndActions() = default;
    // At the start of every session, whatever the end action.
    virtual void EnableShutdownPrivilege() = 0;
    // Both return at once; the system carries them out.
    virtual void powerOff() = 0;
    virtual void suspend() = 0;
    // Waits for the wake-up time, sets the wake-up volume, gives the wave
    // output back its volume (when it could be read) and opens the start
    // file; then calls rang. Until then cancelWakeUp() ends the wait.
    virtual void wakeUp(quint8 percent, std::optional<quint32> savedWave, bool tomorrow,
                        std::function<void()> rang) = 0;
    virtual void cancelWakeUp() = 0;
};
