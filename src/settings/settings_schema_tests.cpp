// Tests of the settings defaults and of the values a save writes, apart from the registry.
#include "settings_schema.h"

#include <gtest/gtest.h>

#include <vector>

#include "birth_text.h"

namespace {

RegionalFormats Russian() {
  RegionalFormats f;
  f.ShortDate = u"dd.MM.yyyy";
  f.DateSeparator = u".";
  f.TwelveHour = false;
  f.DecimalSeparator = u",";
  return f;
}

TEST(ResolveSettings, AskTheSystemLanguageOnlyWhenEnglishIsMissing) {
  for (const bool russianSystem : {false, true}) {
    int asked = 0;
    const auto detect = [&] {
      ++asked;
      return russianSystem;
    };
    const Settings missing = ResolveSettings({}, detect, RegionalFormats{}, 2025);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(missing.Rus, russianSystem);
    EXPECT_EQ(missing.UserName, russianSystem ? PlaceholderNameRu : PlaceholderNameEn);
    EXPECT_TRUE(missing.ShowStars);
    EXPECT_EQ(missing.BirthMoment, 36526.0);

    StoredSettings stored;
    stored.English = 1;
    const Settings english = ResolveSettings(stored, detect, RegionalFormats{}, 2025);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(english.Rus);
    EXPECT_EQ(english.UserName, PlaceholderNameEn) << "a stored English flag picks the placeholder";
  }
}

TEST(ResolveSettings, BirthTextReadsUnderTheGivenFormatsOrTakesTheDefault) {
  const struct {
    std::u16string_view Text;
    bool Russian;
    TDateTime Moment;
  } cases[] = {
      {u"15.03.1985 9:05:00", true, EncodeDate(1985, 3, 15) + EncodeTime(9, 5, 0, 0)},
      {u"15.03.1985 9:05:00", false, 36526.0},  // month 15 under U.S. formats
      {u"3/15/1985 9:05:00 PM", false, EncodeDate(1985, 3, 15) + EncodeTime(21, 5, 0, 0)},
      {u"", true, 36526.0},
      {u"", false, 36526.0},
  };
  for (const auto& c : cases) {
    StoredSettings stored;
    stored.Birth = std::u16string(c.Text);
    const Settings s = ResolveSettings(stored, [] { return false; }, c.Russian ? Russian() : RegionalFormats{}, 2025);
    EXPECT_EQ(s.BirthMoment, c.Moment);
  }
}

TEST(SettingsValues, FourValuesInTheirOrderAndForm) {
  const Settings s{true, false, u"Анна", EncodeDate(1985, 3, 15) + EncodeTime(21, 5, 7, 0)};
  const auto values = SettingsValues(s, Russian());
  ASSERT_EQ(values[0].Name, u"English");
  EXPECT_EQ(std::get<std::uint32_t>(values[0].Data), 0u);
  ASSERT_EQ(values[1].Name, u"Star");
  EXPECT_EQ(std::get<std::uint32_t>(values[1].Data), 0u);
  ASSERT_EQ(values[2].Name, u"User");
  EXPECT_EQ(std::get<std::u16string>(values[2].Data), u"Анна");
  ASSERT_EQ(values[3].Name, u"Birth");
  EXPECT_EQ(std::get<std::u16string>(values[3].Data), u"15.03.1985 21:05:07");

  const auto flipped = SettingsValues({false, true, u"", 0.0}, RegionalFormats{});
  EXPECT_EQ(std::get<std::uint32_t>(flipped[0].Data), 1u);
  EXPECT_EQ(std::get<std::uint32_t>(flipped[1].Data), 1u);
}

TEST(WriteSettingsValues, StopsAtTheFirstRefusedValue) {
  const Settings s{false, true, u"Ann", 36526.0};
  const std::u16string names[] = {u"English", u"Star", u"User", u"Birth"};
  for (int refused = 0; refused <= 4; ++refused) {
    std::vector<std::u16string> offered;
    const auto result = WriteSettingsValues(s, RegionalFormats{}, [&](const SettingsValue& value) {
      offered.emplace_back(value.Name);
      return offered.size() != static_cast<std::size_t>(refused + 1);
    });
    const std::size_t count = refused < 4 ? refused + 1 : 4;
    EXPECT_EQ(offered, std::vector<std::u16string>(names, names + count));
    EXPECT_EQ(result, refused < 4 ? std::optional(names[refused]) : std::nullopt);
  }
}

}  // namespace
