// The registry form of the four settings in one place: the values as found and
// the defaults for whatever is missing or unusable, and the values a save
// writes, in their order. The registry calls themselves live elsewhere.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "regional_formats.h"
#include "settings.h"

// Each value as read, or nothing when it is absent or cannot be used (wrong
// type or size, unreadable): such a value counts as missing.
struct StoredSettings {
  std::optional<std::uint32_t> English;
  std::optional<std::uint32_t> Star;
  std::optional<std::u16string> User;
  std::optional<std::u16string> Birth;
  std::optional<std::u16string> BirthRecord;  // see birth_record.h
};

// The four settings with their defaults. `detectRussianUi` is asked only when
// "English" is missing. The birth moment comes from the record beside "Birth"
// while that record still names the stored text; otherwise "Birth" is read
// under `formats`, and a text that does not read counts as missing.
Settings ResolveSettings(const StoredSettings& stored, const std::function<bool()>& detectRussianUi,
                         const RegionalFormats& formats, int currentYear);

// One value of a save: a REG_DWORD number or a REG_SZ text.
struct SettingsValue {
  std::u16string_view Name;
  std::variant<std::uint32_t, std::u16string> Data;
};

// "English", "Star", "User", "Birth", then the birth record, in the order
// they are written.
inline constexpr std::size_t SettingsValueCount = 5;
std::array<SettingsValue, SettingsValueCount> SettingsValues(const Settings& settings,
                                                             const RegionalFormats& formats);

// Hands the values to `write` in order and stops at the first one it refuses;
// returns that value's name, or nothing when all of them were written.
std::optional<std::u16string> WriteSettingsValues(
    const Settings& settings, const RegionalFormats& formats,
    const std::function<bool(const SettingsValue&)>& write);
