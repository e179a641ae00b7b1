// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class SettingsStore;
class SetupView;

// Copies the setup fields to the store, all eight values in their order.
// When they cannot be written it answers false with the message in *error;
// the fields are not touched.
bool SaveSettings(SettingsStore &store, const SetupView &view, QString *error);

// Puts the stored setup into the fields, value by value in their order. It
// stops at the first value that is missing or of the wrong kind: the values
// before it stay applied and the rest of the fields keep what they had.
void LoadSettings(SettingsStore &store, SetupView &view);
