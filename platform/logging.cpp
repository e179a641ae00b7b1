// SPDX-License-Identifier: MIT
#include "platform/logging.h"

// Warnings show by default, for they explain a refusal the user may not see
// otherwise; anything chattier has to be asked for.
Q_LOGGING_CATEGORY(lcPower, "somnelle.power", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInhibit, "somnelle.inhibit", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWake, "somnelle.wake", QtWarningMsg)
