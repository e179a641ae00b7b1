#pragma once

#include <functional>

// Leaving the computer at the end of a session: power-off or suspend.
class Power {
public:
    enum class Action { None, PowerOff, Suspend };

    virtual ~Power() = default;
    // At the start of every session: asks whether the chosen action will be
    // allowed, so that a refusal is known before the user falls asleep.
    virtual void EnableShutdownPrivilege(Action chosen) = 0;
    // Returns at once; the system carries it out.
    virtual void powerOff() = 0;
    // Returns at once; answered runs when the request has been answered,
    // refused or timed out (after the computer resumes, in practice).
    virtual void suspend(std::function<void()> answered) = 0;
};
