// Tests of the dialog's link address, error wording, program-name rule and the
// birth moment's round trip through the two pickers.
#include "dialog_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "test_text.h"

namespace {

TEST(SiteAddress, EnglishPagesLiveOneFolderDown) {
  EXPECT_EQ(SiteAddress(false), u"http://www.example.org/quellora/index.html");
  EXPECT_EQ(SiteAddress(true), u"http://www.example.org/quellora/english/index.html");
}

TEST(SaveFailureText, NamesTheValueInQuotes) {
  EXPECT_EQ(SaveFailureText(u"English"), u"Failed to set data for 'English'");
  EXPECT_EQ(SaveFailureText(u"Birth"), u"Failed to set data for 'Birth'");
}

TEST(ProgramNameStem, FileNameUpToItsFirstFullStop) {
  const struct {
    std::u16string_view path, stem;
  } cases[] = {
      {u"C:\\windows\\system32\\Quellora.scr", u"Quellora"},
      {u"C:\\Program Files\\v1.2\\quellora.scr", u"quellora"},  // dots in folders do not count
      {u"C:\\a\\my.saver.scr", u"my"},
      {u"/usr/lib/wine/QUELLORA.SCR", u"QUELLORA"},
      {u"C:\\a\\noextension", u"noextension"},
      {u"quellora.scr", u"quellora"},
      {u"C:\\a\\.hidden", u""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramNameStem(c.path), c.stem) << Narrow(c.path);
}

TEST(BirthMomentPickers, SplitsIntoDateAndTimeOfDayAndJoinsBack) {
  const struct {
    TDateTime birth;
    CivilDate date;
    TimeOfDay time;
  } cases[] = {
      {36526.0, {2000, 1, 1}, {0, 0, 0, 0}},
      {EncodeDate(1985, 3, 15) + EncodeTime(9, 5, 30, 0), {1985, 3, 15}, {9, 5, 30, 0}},
      {EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 0), {2024, 2, 29}, {23, 59, 59, 0}},
      {0.0, {1899, 12, 30}, {0, 0, 0, 0}},
      // Before 30 December 1899 the time of day is subtracted from the date.
      {-1.25, {1899, 12, 29}, {6, 0, 0, 0}},
      {ComposeDateTime(EncodeDate(1850, 6, 1), EncodeTime(6, 30, 15, 0)), {1850, 6, 1}, {6, 30, 15, 0}},
      {EncodeDate(9999, 12, 31) + EncodeTime(12, 0, 0, 0), {9999, 12, 31}, {12, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.birth);
    const PickerValues values = SplitBirthMoment(c.birth);
    EXPECT_EQ(values.Date.year, c.date.year);
    EXPECT_EQ(values.Date.month, c.date.month);
    EXPECT_EQ(values.Date.day, c.date.day);
    EXPECT_EQ(values.Time.hour, c.time.hour);
    EXPECT_EQ(values.Time.minute, c.time.minute);
    EXPECT_EQ(values.Time.second, c.time.second);
    EXPECT_DOUBLE_EQ(JoinBirthMoment(values.Date, values.Time), c.birth);
  }
}

TEST(BirthMomentPickers, DropsMilliseconds) {
  const TDateTime birth = EncodeDate(1985, 3, 15) + EncodeTime(9, 5, 0, 250);
  const PickerValues values = SplitBirthMoment(birth);
  EXPECT_EQ(values.Time.msec, 0);
  EXPECT_DOUBLE_EQ(JoinBirthMoment(values.Date, values.Time), EncodeDate(1985, 3, 15) + EncodeTime(9, 5, 0, 0));
}

TEST(LanguageTexts, EveryTargetHasBothLanguagesAndThemDiffer) {
  for (int i = 0; i < DialogTextCount; ++i) {
    const auto target = static_cast<DialogText>(i);
    SCOPED_TRACE(i);
    EXPECT_FALSE(LanguageText(target, true).empty());
    EXPECT_FALSE(LanguageText(target, false).empty());
    EXPECT_NE(LanguageText(target, true), LanguageText(target, false));
  }
}

}  // namespace
