#pragma once

class SettingsStore;
class SetupView;

// Copies the setup fields to the store, all eight values in their order.
// Throws AppError when they cannot be written; the fields are not touched.
void SaveSettings(SettingsStore &store, const SetupView &view);

// Puts the stored setup into the fields, value by value in their order. It
// stops at the first value that is missing or of the wrong kind: the values
// before it stay applied and the rest of the fields keep what they had.
// Never throws.
void LoadSettings(SettingsStore &store, SetupView &view);
