// LoadSettings: the registry values of the settings key into the four variables.
#include <windows.h>

#include <type_traits>

#include "locale_win.h"
#include "registry_key.h"
#include "settings.h"
#include "settings_key.h"
#include "wide_text.h"

namespace {

int CurrentLocalYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

}  // namespace

StoredSettings ReadStoredSettings() {
  // Created when missing, so that every run of every mode leaves the key behind.
  const UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
  StoredSettings stored;
  for (const SettingsValueSpec& value : SettingsSchema) {
    const std::wstring name = WideString(value.Name);
    std::visit(
        [&](auto field) {
          if constexpr (std::is_same_v<decltype(field), StoredNumber>)
            stored.*field = ReadDwordValue(key.get(), name.c_str());
          else
            stored.*field = ReadTextValue(key.get(), name.c_str());
        },
        value.Field);
  }
  return stored;
}

void LoadSettings() {
  const Settings s =
      ResolveSettings(ReadStoredSettings(), DetectRussianUi, CurrentRegionalFormats(), CurrentLocalYear());
  Rus = s.Rus;
  ShowStars = s.ShowStars;
  UserName = s.UserName;
  BirthMoment = s.BirthMoment;
}
