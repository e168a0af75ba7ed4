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
  s.ShowStars = stored.Star ? *stored.Star != 0 : true;
  // The placeholder only stands in for an absent name; a stored empty name stays empty.
  s.UserName = stored.User ? *stored.User : std::u16string(PlaceholderName(s.Rus));
  s.BirthMoment = DefaultBirthMoment;
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

std::array<SettingsValue, SettingsValueCount> SettingsValues(const Settings& settings,
                                                             const RegionalFormats& formats) {
  std::u16string birth = FormatBirthText(formats, settings.BirthMoment, settings.BirthMoment);
  std::u16string record = FormatBirthRecord(settings.BirthMoment, birth);
  return {{
      {u"English", std::uint32_t{settings.Rus ? 0u : 1u}},
      {u"Star", std::uint32_t{settings.ShowStars ? 1u : 0u}},
      {u"User", settings.UserName},
      {u"Birth", std::move(birth)},
      {BirthRecordName, std::move(record)},
  }};
}

std::optional<std::u16string> WriteSettingsValues(
    const Settings& settings, const RegionalFormats& formats,
    const std::function<bool(const SettingsValue&)>& write) {
  for (const SettingsValue& value : SettingsValues(settings, formats)) {
    if (!write(value)) return std::u16string(value.Name);
  }
  return std::nullopt;
}
