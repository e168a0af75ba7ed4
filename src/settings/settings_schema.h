// The registry form of the four settings in one place: the table of the values
// (name, type, default), the values as found, the defaults for whatever is
// missing or unusable, and the values a save writes, in their order. The
// registry calls themselves live elsewhere.
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

// Where a load puts a value, which is also its type: a number is a REG_DWORD,
// a text a REG_SZ.
using StoredNumber = std::optional<std::uint32_t> StoredSettings::*;
using StoredText = std::optional<std::u16string> StoredSettings::*;

// What a load takes for a missing value: a fixed number or moment, or one of these.
struct SystemLanguage {};   // Russian when the system's language is Russian, Belarusian or Ukrainian
struct NamePlaceholder {};  // PlaceholderName in the language shown
struct BirthTextAlone {};   // "Birth" read by the regional formats
using SettingsDefault = std::variant<SystemLanguage, std::uint32_t, NamePlaceholder, TDateTime, BirthTextAlone>;

struct SettingsValueSpec {
  std::u16string_view Name;
  std::variant<StoredNumber, StoredText> Field;
  SettingsDefault Default;
};

// The values of the settings key in the order a save writes them; the names
// are what users' stored data already holds.
enum SettingsValueIndex : std::size_t { EnglishValue, StarValue, UserValue, BirthValue, BirthRecordValue };
inline constexpr SettingsValueSpec SettingsSchema[] = {
    {u"English", &StoredSettings::English, SystemLanguage{}},  // non-zero: English
    {u"Star", &StoredSettings::Star, std::uint32_t{1}},        // non-zero: the star field shown
    {u"User", &StoredSettings::User, NamePlaceholder{}},
    {u"Birth", &StoredSettings::Birth, DefaultBirthMoment},  // in the regional formats
    {u"BirthRecord", &StoredSettings::BirthRecord, BirthTextAlone{}},
};
inline constexpr std::size_t SettingsValueCount = std::size(SettingsSchema);

// The four settings with their defaults. `detectRussianUi` is asked only when
// "English" is missing. The birth moment comes from the record beside "Birth"
// while that record still names the stored text; otherwise "Birth" is read
// under `formats`, and a text that does not read counts as missing.
Settings ResolveSettings(const StoredSettings& stored, const std::function<bool()>& detectRussianUi,
                         const RegionalFormats& formats, int currentYear);

// What a save stores for the settings under `formats`: every value present.
StoredSettings StoredForm(const Settings& settings, const RegionalFormats& formats);

// One value of a save: a REG_DWORD number or a REG_SZ text.
struct SettingsValue {
  std::u16string_view Name;
  std::variant<std::uint32_t, std::u16string> Data;
};

// The stored form as the values of the table, in its order.
std::array<SettingsValue, SettingsValueCount> SettingsValues(const Settings& settings,
                                                             const RegionalFormats& formats);

// Hands the values to `write` in order and stops at the first one it refuses;
// returns that value's name, or nothing when all of them were written.
std::optional<std::u16string> WriteSettingsValues(const Settings& settings, const RegionalFormats& formats,
                                                  const std::function<bool(const SettingsValue&)>& write);
