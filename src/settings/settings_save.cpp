// SaveSettings: the four values written into the settings key, in their order.
#include "registry_key.h"
#include "settings.h"
#include "settings_key.h"
#include "wide_text.h"

bool WriteSettingsValue(HKEY key, const SettingsValue& value) {
  const std::wstring name = WideString(value.Name);
  if (const auto* number = std::get_if<std::uint32_t>(&value.Data))
    return WriteDwordValue(key, name.c_str(), *number);
  return WriteTextValue(key, name.c_str(), std::get<std::u16string>(value.Data));
}

std::optional<std::u16string> SaveSettings(const Settings& settings) {
  const UniqueRegKey key = CreateRegistryKey(HKEY_CURRENT_USER, SettingsKeyPath);
  // A key that cannot be opened fails the first value.
  if (!key) return std::u16string(SettingsSchema[0].Name);
  return WriteSettingsValues(settings, CurrentRegionalFormats(),
                             [&key](const SettingsValue& value) { return WriteSettingsValue(key.get(), value); });
}
