// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

#include "settings/setup.h"

// Leaving the computer at the end of a session: power-off or suspend.
class Power {
public:
    virtual ~Power() = default;
    // At the start of every session: asks whether the chosen action will be
    // allowed, so that a refusal is known before the user falls asleep.
    virtual void probePowerActions(EndAction chosen) = 0;
    // Both return at once. A refusal (or no answer in time) comes back with
    // the system's reason, never empty.
    // Power-off: refused runs only when it is refused; otherwise the system carries it out.
    virtual void powerOff(std::function<void(const QString &reason)> refused) = 0;
    // Suspend: answered runs when the request has been answered (after the
    // computer resumes, in practice), with an empty refusal when it was carried out.
    virtual void suspend(std::function<void(const QString &refusal)> answered) = 0;
};
