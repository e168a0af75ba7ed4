// The settings key and the registry steps of the load and the save (Windows only).
#pragma once

#include <windows.h>

#include "settings_schema.h"

// The sub key of HKEY_CURRENT_USER that holds the four values.
inline constexpr wchar_t SettingsKeyPath[] = L"SOFTWARE\\Quellora";

// The four values as they stand in the key, which is created when missing;
// when it cannot be opened every value reads as missing.
StoredSettings ReadStoredSettings();

// Writes one value of a save into `key`.
bool WriteSettingsValue(HKEY key, const SettingsValue& value);
