// Tests of the settings rules apart from the registry: when the system language
// is asked, and how the birth record keeps the moment across regional formats.
#include "settings_schema.h"

#include <gtest/gtest.h>

#include <string>

#include "birth_record.h"
#include "birth_text.h"
#include "test_text.h"

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

RegionalFormats Formats(std::u16string date, std::u16string separator, bool twelveHour) {
  RegionalFormats f;
  f.ShortDate = std::move(date);
  f.DateSeparator = std::move(separator);
  f.TwelveHour = twelveHour;
  return f;
}

const RegionalFormats US = Formats(u"M/d/yyyy", u"/", true);
const RegionalFormats British = Formats(u"dd/MM/yyyy", u"/", false);
const RegionalFormats Russian = Formats(u"dd.MM.yyyy", u".", false);
const RegionalFormats Swedish = Formats(u"yyyy-MM-dd", u"-", false);
const RegionalFormats TwoDigit = Formats(u"M/d/yy", u"/", true);

TDateTime At(int year, int month, int day, int hour, int minute, int second) {
  return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, 0));
}

// What a save under one set of formats leaves in the key.
StoredSettings SavedUnder(const RegionalFormats& formats, TDateTime birth) {
  Settings settings;
  settings.BirthMoment = birth;
  return StoredForm(settings, formats);
}

TDateTime BirthLoadedUnder(const RegionalFormats& formats, const StoredSettings& stored) {
  return ResolveSettings(
             stored, [] { return false; }, formats, 2025)
      .BirthMoment;
}

// 3 October 2000 reads as 10 March under a day-first pattern, and a Russian
// text does not read at all under U.S. formats: the record keeps the moment.
TEST(BirthRecord, KeepsTheMomentWhateverFormatsTheNextLoadHas) {
  const RegionalFormats* formats[] = {&US, &British, &Russian, &Swedish, &TwoDigit};
  const TDateTime moments[] = {At(2000, 10, 3, 5, 0, 0), At(1945, 3, 15, 21, 5, 7), At(1, 1, 1, 0, 0, 0),
                               At(9999, 12, 31, 23, 59, 59), At(1899, 12, 29, 6, 0, 1)};
  for (const RegionalFormats* saved : formats) {
    for (const RegionalFormats* loaded : formats) {
      for (const TDateTime moment : moments) {
        const StoredSettings stored = SavedUnder(*saved, moment);
        EXPECT_EQ(BirthLoadedUnder(*loaded, stored), moment)
            << Narrow(*stored.Birth) << " saved under " << Narrow(saved->ShortDate) << ", loaded under "
            << Narrow(loaded->ShortDate);
      }
    }
  }
}

TEST(BirthRecord, WrittenToTheSecondBesideTheExactText) {
  const TDateTime moment = At(1985, 3, 15, 9, 5, 7) + EncodeTime(0, 0, 0, 250);
  EXPECT_EQ(Narrow(FormatBirthRecord(moment, u"3/15/1985 9:05:07 AM")),
            "1985-03-15T09:05:07|3/15/1985 9:05:07 AM");
  EXPECT_EQ(Narrow(FormatBirthRecord(At(1, 1, 1, 0, 0, 0), u"")), "0001-01-01T00:00:00|");
  EXPECT_EQ(Narrow(FormatBirthRecord(At(1899, 12, 29, 6, 0, 0), u"x")), "1899-12-29T06:00:00|x");
}

// Without a record that names the stored text, "Birth" is read by the formats
// as before: a text edited by hand, one from a version that kept no record, or
// a record that does not read.
TEST(BirthRecord, OnlyARecordOfTheStoredTextCounts) {
  const std::u16string birth = u"10/3/2000 5:00:00 AM";
  const TDateTime readByFormats = At(2000, 10, 3, 5, 0, 0);
  const struct {
    const char* What;
    std::optional<std::u16string> Record;
    TDateTime Want;
  } cases[] = {
      {"no record", std::nullopt, readByFormats},
      {"the record of this text", u"1999-01-02T03:04:05|" + birth, At(1999, 1, 2, 3, 4, 5)},
      {"a record of another text", u"1999-01-02T03:04:05|10/3/2000 5:00:00 PM", readByFormats},
      {"the text only in part", u"1999-01-02T03:04:05|10/3/2000", readByFormats},
      {"no separator", u"1999-01-02T03:04:05" + birth, readByFormats},
      {"empty", u"", readByFormats},
      {"month 13", u"1999-13-02T03:04:05|" + birth, readByFormats},
      {"30 February", u"1999-02-30T03:04:05|" + birth, readByFormats},
      {"hour 24", u"1999-01-02T24:00:00|" + birth, readByFormats},
      {"year 0", u"0000-01-02T03:04:05|" + birth, readByFormats},
      {"two-digit year", u"99-01-02T03:04:05|" + birth, readByFormats},
      {"a space for T", u"1999-01-02 03:04:05|" + birth, readByFormats},
      {"a sign in a number", u"1999-+1-02T03:04:05|" + birth, readByFormats},
  };
  for (const auto& c : cases) {
    StoredSettings stored;
    stored.Birth = birth;
    stored.BirthRecord = c.Record;
    EXPECT_EQ(BirthLoadedUnder(US, stored), c.Want) << c.What;
  }

  StoredSettings recordAlone;
  recordAlone.BirthRecord = u"1999-01-02T03:04:05|";
  EXPECT_EQ(BirthLoadedUnder(US, recordAlone), DefaultBirthMoment) << "a record without \"Birth\"";
}

}  // namespace
