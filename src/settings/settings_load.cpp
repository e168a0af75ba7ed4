// LoadSettings: the registry values of the settings key into the four variables.
#include <windows.h>

#include "birth_record.h"
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
  stored.English = ReadDwordValue(key.get(), L"English");
  stored.Star = ReadDwordValue(key.get(), L"Star");
  stored.User = ReadTextValue(key.get(), L"User");
  stored.Birth = ReadTextValue(key.get(), L"Birth");
  stored.BirthRecord = ReadTextValue(key.get(), WideCString(BirthRecordName));
  return stored;
}

void LoadSettings() {
  const Settings s = ResolveSettings(ReadStoredSettings(), DetectRussianUi, CurrentRegionalFormats(),
                                     CurrentLocalYear());
  Rus = s.Rus;
  ShowStars = s.ShowStars;
  UserName = s.UserName;
  BirthMoment = s.BirthMoment;
}
