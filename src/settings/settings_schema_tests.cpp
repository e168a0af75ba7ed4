// Tests of when the settings ask for the system language: only for a missing
// "English" value, which the registry tests cannot observe.
#include "settings_schema.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
