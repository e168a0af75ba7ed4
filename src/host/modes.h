// The four modes the first command-line argument selects, each run by the
// program's entry after the settings are loaded.
#pragma once

// Full screen on the primary monitor, the others covered (screen_modes.cpp).
void RunSaver();
// The preview inside the window the second argument names (screen_modes.cpp).
void RunPreview();
// The settings dialog (run_settings.cpp).
void RunSettings();
// The system's password-change dialog (change_password.cpp).
void ChangePassword();
