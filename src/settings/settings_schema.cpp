// The defaults of the four settings and the values a save writes.
#include "settings_schema.h"

#include "birth_record.h"
#include "birth_text.h"

Settings ResolveSettings(const StoredSettings& stored, const std::function<bool()>& detectRussianUi,
                         const RegionalFormats& formats, int currentYear) {
  Settings s;
  // The stored flag says English, so it is the inverse of Rus; any non-zero
  // number means English.
  s.Rus = stored.English ? *stored.English == 0 : detectRussianUi();
  s.ShowStars = stored.Star.value_or(std::get<std::uint32_t>(SettingsSchema[StarValue].Default)) != 0;
  // The placeholder only stands in for an absent name; a stored empty name stays empty.
  s.UserName = stored.User ? *stored.User : std::u16string(PlaceholderName(s.Rus));
  s.BirthMoment = std::get<TDateTime>(SettingsSchema[BirthValue].Default);
  if (stored.Birth) {
    // The record survives a change of the regional formats, under which the
    // text alone could read as another date or not at all.
    std::optional<TDateTime> moment;
    if (stored.BirthRecord) moment = ReadBirthRecord(*stored.BirthRecord, *stored.Birth);
    if (!moment) moment = ParseBirthText(formats, *stored.Birth, currentYear);
    if (moment) s.BirthMoment = *moment;
  }
  return s;
}

StoredSettings StoredForm(const Settings& settings, const RegionalFormats& formats) {
  StoredSettings stored;
  stored.English = settings.Rus ? 0u : 1u;
  stored.Star = settings.ShowStars ? 1u : 0u;
  stored.User = settings.UserName;
  stored.Birth = FormatBirthText(formats, settings.BirthMoment, settings.BirthMoment);
  stored.BirthRecord = FormatBirthRecord(settings.BirthMoment, *stored.Birth);
  return stored;
}

std::array<SettingsValue, SettingsValueCount> SettingsValues(const Settings& settings,
                                                             const RegionalFormats& formats) {
  const StoredSettings stored = StoredForm(settings, formats);
  std::array<SettingsValue, SettingsValueCount> values;
  for (std::size_t i = 0; i < SettingsValueCount; ++i) {
    values[i].Name = SettingsSchema[i].Name;
    std::visit([&](auto field) { values[i].Data = *(stored.*field); }, SettingsSchema[i].Field);
  }
  return values;
}

std::optional<std::u16string> WriteSettingsValues(const Settings& settings, const RegionalFormats& formats,
                                                  const std::function<bool(const SettingsValue&)>& write) {
  for (const SettingsValue& value : SettingsValues(settings, formats)) {
    if (!write(value)) return std::u16string(value.Name);
  }
  return std::nullopt;
}
