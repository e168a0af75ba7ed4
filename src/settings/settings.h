// The four user settings: the placeholder name, and in the Windows build the
// saver's program-wide variables and the registry side.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "regional_formats.h"
#include "tdatetime.h"
#include "user_settings.h"

inline constexpr char16_t PlaceholderNameRu[] = u"(указать в настройках)";
inline constexpr char16_t PlaceholderNameEn[] = u"(specify in settings)";
// What stands in for a user name that was never stored, in the language shown.
inline std::u16string_view PlaceholderName(bool rus) { return rus ? PlaceholderNameRu : PlaceholderNameEn; }

#ifdef _WIN32
// The saver's program-wide settings, filled once by LoadSettings, first thing
// in every run; read-only afterwards. Portable code takes a Settings value.
extern bool Rus;
extern bool ShowStars;
extern std::u16string UserName;
extern TDateTime BirthMoment;
// The four variables as one value.
Settings LoadedSettings();

// Opens (creating) HKCU\SOFTWARE\Quellora and fills the four variables.
void LoadSettings();
// True when the system default locale's language is Russian, Belarusian or Ukrainian.
bool DetectRussianUi();
// The thread locale's formats, read once and kept for the run.
const RegionalFormats& CurrentRegionalFormats();
// Writes "English", "Star", "User", "Birth" and the birth record in that
// order; stops at the first failure and returns the name of the value that
// failed ("English" when the key cannot be opened), or nothing when all were written.
std::optional<std::u16string> SaveSettings(const Settings& settings);
#endif
