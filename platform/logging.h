// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// What the platform layer writes to standard error, one category per module,
// so that QT_LOGGING_RULES can turn each on or off.
Q_DECLARE_LOGGING_CATEGORY(lcPower)   // somnelle.power: logind's answers to power-off and suspend
Q_DECLARE_LOGGING_CATEGORY(lcInhibit) // somnelle.inhibit: the lock that keeps the computer awake
Q_DECLARE_LOGGING_CATEGORY(lcWake)    // somnelle.wake: waking the computer for the alarm
