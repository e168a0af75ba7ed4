// Tests of the birth text under explicit regional formats: the examples, the
// reading rules one by one, and the write-then-read property.
#include "birth_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <random>
#include <vector>

#include "birth_text_check.h"
#include "test_text.h"

namespace {

const RegionalFormats Russian = Formats(u"dd.MM.yyyy", u".", false, false, false, u"", u"", u",");
const RegionalFormats US = Formats(u"M/d/yyyy", u"/", true, false, false, u"AM", u"PM", u".");
const RegionalFormats German = Formats(u"d.M.yyyy", u".", false, true, false, u"", u"", u",");
const RegionalFormats Iso = Formats(u"yyyy-MM-dd", u"-", false, true, false, u"", u"", u".");
const RegionalFormats TwoDigit = Formats(u"dd.MM.yy", u".", false, false, false, u"", u"", u",");
const RegionalFormats MarkFirst = Formats(u"yyyy/MM/dd", u"/", true, false, true, u"午前", u"午後", u".");
const RegionalFormats Ukrainian = Formats(u"dd.MM.yyyy", u".", true, true, false, u"дп", u"пп", u",");
const RegionalFormats UpperCase = Formats(u"DD/mm/YY", u"/", false, false, false, u"", u"", u".");
const RegionalFormats EraYear = Formats(u"ee/MM/dd", u"/", false, false, false, u"", u"", u".");
const RegionalFormats QuotedFirst = Formats(u"'at' yyyy/MM/dd", u"/", false, false, false, u"", u"", u".");
const RegionalFormats NoLetters = Formats(u"", u"/", false, false, false, u"", u"", u".");

struct Moment {
  int Year, Month, Day, Hour = 0, Minute = 0, Second = 0, Msec = 0;
};

TDateTime Make(const Moment& m) {
  return ComposeDateTime(EncodeDate(m.Year, m.Month, m.Day), EncodeTime(m.Hour, m.Minute, m.Second, m.Msec));
}

std::string Show(TDateTime value) {
  const DateTimeParts p = DecodeDateTime(value);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.date.year, p.date.month, p.date.day,
                p.time.hour, p.time.minute, p.time.second, p.time.msec);
  return text;
}

std::string Show(std::optional<TDateTime> value) { return value ? Show(*value) : "nothing"; }

TEST(FormatBirthText, WritesTheShortDateOneSpaceAndTheTime) {
  const struct {
    const RegionalFormats* Formats;
    Moment At;
    std::u16string_view Text;
  } cases[] = {
      {&Russian, {1985, 3, 15, 9, 5, 0}, u"15.03.1985 9:05:00"},
      {&US, {1985, 3, 15, 9, 5, 0}, u"3/15/1985 9:05:00 AM"},
      {&US, {1985, 3, 15, 21, 5, 0}, u"3/15/1985 9:05:00 PM"},
      {&US, {1985, 3, 15, 0, 0, 0}, u"3/15/1985 12:00:00 AM"},
      {&US, {1985, 3, 15, 12, 0, 59}, u"3/15/1985 12:00:59 PM"},
      {&German, {1985, 3, 5, 9, 5, 0}, u"5.3.1985 09:05:00"},
      {&Iso, {1985, 3, 15, 23, 59, 59}, u"1985-03-15 23:59:59"},
      {&TwoDigit, {2007, 3, 15, 9, 5, 0}, u"15.03.2007 9:05:00"},  // the year always whole
      {&TwoDigit, {1945, 3, 15, 9, 5, 0}, u"15.03.1945 9:05:00"},
      {&TwoDigit, {45, 3, 15, 9, 5, 0}, u"15.03.0045 9:05:00"},
      {&MarkFirst, {1985, 3, 15, 21, 5, 0}, u"1985/03/15 午後 9:05:00"},
      {&Ukrainian, {1985, 3, 15, 9, 5, 0}, u"15.03.1985 09:05:00 дп"},
      {&Russian, {1, 1, 1}, u"01.01.0001 0:00:00"},
      {&Russian, {9999, 12, 31, 23, 59, 59, 999}, u"31.12.9999 23:59:59"},  // never milliseconds
      {&Russian, {1899, 12, 29, 6, 0, 0}, u"29.12.1899 6:00:00"},
  };
  for (const auto& c : cases) {
    const TDateTime at = Make(c.At);
    EXPECT_EQ(Narrow(FormatBirthText(*c.Formats, at, at)), Narrow(c.Text));
  }
}

TEST(FormatBirthText, TakesTheDateOfOneValueAndTheTimeOfTheOther) {
  EXPECT_EQ(FormatBirthText(Russian, Make({1985, 3, 15, 18, 0, 0}), Make({2020, 1, 1, 9, 5, 7})),
            u"15.03.1985 9:05:07");
}

TEST(FormatBirthText, PatternLettersAndLiterals) {
  const struct {
    std::u16string_view Pattern, Separator, Text;
  } cases[] = {
      {u"dd/MM/yyyy", u"-", u"05-03-1985"},  // '/' stands for the date separator
      {u"d. M. yyyy", u".", u"5. 3. 1985"},
      {u"yyyy'年'M'月'd'日'", u"/", u"1985年3月5日"},
      {u"dd''MM", u".", u"05'03"},
      {u"dddd, MMMM d, yyyy", u"/", u", 03 5, 1985"},  // names are not numbers: left out or written as numbers
      {u"y/M/d", u"/", u"1985/3/5"},
  };
  for (const auto& c : cases) {
    RegionalFormats f = Russian;
    f.ShortDate = c.Pattern;
    f.DateSeparator = c.Separator;
    const std::u16string text = FormatBirthText(f, Make({1985, 3, 5}), 0.0);
    EXPECT_EQ(Narrow(text.substr(0, text.find(u' ', text.size() - 8))), Narrow(c.Text)) << Narrow(c.Pattern);
  }
}

TEST(FormatBirthText, OutOfRangeValuesStillGiveAReadableText) {
  for (const TDateTime value : {-1e9, 1e9, std::nan(""), HUGE_VAL}) {
    const std::u16string text = FormatBirthText(Russian, value, value);
    EXPECT_TRUE(ParseBirthText(Russian, text, 2025).has_value()) << Narrow(text);
  }
}

struct ParseCase {
  const RegionalFormats* Formats;
  std::u16string_view Text;
  std::optional<Moment> Result;
  int CurrentYear = 2025;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << '"' << Narrow(c.Text) << '"'; }

class ParseBirthTextRules : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseBirthTextRules, Reads) {
  const ParseCase& c = GetParam();
  const std::string want = c.Result ? Show(Make(*c.Result)) : "nothing";
  EXPECT_EQ(Show(ParseBirthText(*c.Formats, c.Text, c.CurrentYear)), want);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseBirthTextRules,
    testing::Values(
        ParseCase{&Russian, u"15.03.1985 9:05:00", Moment{1985, 3, 15, 9, 5, 0}},
        ParseCase{&US, u"3/15/1985 9:05:00 PM", Moment{1985, 3, 15, 21, 5, 0}},
        ParseCase{&TwoDigit, u"15.03.85", Moment{1985, 3, 15}},
        ParseCase{&TwoDigit, u"15.03.60", Moment{2060, 3, 15}},
        // Milliseconds only after the locale's decimal separator; anything else after the time is ignored.
        ParseCase{&Russian, u"15.03.1985 9:05:00.250", Moment{1985, 3, 15, 9, 5, 0, 0}},
        ParseCase{&Russian, u"15.03.1985 9:05:00,250", Moment{1985, 3, 15, 9, 5, 0, 250}},
        ParseCase{&US, u"3/15/1985 9:05:00.250", Moment{1985, 3, 15, 9, 5, 0, 250}},
        ParseCase{&US, u"3/15/1985 9:05:00,250", Moment{1985, 3, 15, 9, 5, 0, 0}}));

INSTANTIATE_TEST_SUITE_P(DateOrder, ParseBirthTextRules,
                         testing::Values(ParseCase{&German, u"5.3.1985 9:05", Moment{1985, 3, 5, 9, 5}},
                                         ParseCase{&Iso, u"1985-03-15 09:05:00", Moment{1985, 3, 15, 9, 5}},
                                         ParseCase{&US, u"3/5/1985", Moment{1985, 3, 5}},
                                         // Two numbers: the current year, day-month or month-day.
                                         ParseCase{&Russian, u"15.03", Moment{2025, 3, 15}},
                                         ParseCase{&US, u"3/15", Moment{2025, 3, 15}},
                                         ParseCase{&Iso, u"03-15", Moment{2025, 3, 15}},
                                         ParseCase{&Russian, u"29.02 10:00", std::nullopt},
                                         ParseCase{&Russian, u"29.02 10:00", Moment{2024, 2, 29, 10}, 2024}));

INSTANTIATE_TEST_SUITE_P(PatternLetters, ParseBirthTextRules,
                         testing::Values(ParseCase{&UpperCase, u"05/03/1985", Moment{1985, 3, 5}},
                                         ParseCase{&EraYear, u"1985/03/05", Moment{1985, 3, 5}},
                                         ParseCase{&QuotedFirst, u"1985/03/05",
                                                   Moment{1985, 3, 5}},  // 'a' and 't' are neither d, m nor y
                                         ParseCase{&NoLetters, u"03/05/1985", Moment{1985, 3, 5}}));

INSTANTIATE_TEST_SUITE_P(TwoDigitYearWindow, ParseBirthTextRules,
                         testing::Values(ParseCase{&TwoDigit, u"15.03.75", Moment{1975, 3, 15}},
                                         ParseCase{&TwoDigit, u"15.03.74", Moment{2074, 3, 15}},
                                         ParseCase{&TwoDigit, u"15.03.5", Moment{2005, 3, 15}},
                                         ParseCase{&TwoDigit, u"15.03.00", Moment{2000, 3, 15}},
                                         ParseCase{&TwoDigit, u"15.03.99", Moment{1999, 3, 15}, 2049},
                                         ParseCase{&TwoDigit, u"15.03.98", Moment{2098, 3, 15}, 2049},
                                         ParseCase{&TwoDigit, u"15.03.49", Moment{49, 3, 15}, 99},
                                         ParseCase{&TwoDigit, u"15.03.48", Moment{148, 3, 15}, 99},
                                         ParseCase{&Russian, u"15.03.085",
                                                   Moment{85, 3, 15}},  // three digits are a year as written
                                         ParseCase{&Russian, u"15.03.0085", Moment{85, 3, 15}},
                                         ParseCase{&Russian, u"15.03.0000", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    SpacesAndSurroundings, ParseBirthTextRules,
    testing::Values(
        ParseCase{&Russian, u"Born: 15 . 03 . 1985   9 : 05 : 07", Moment{1985, 3, 15, 9, 5, 7}},
        ParseCase{&Russian, u"15.03.1985. 9:05", Moment{1985, 3, 15, 9, 5}},
        ParseCase{&Russian, u"15.03.1985 9:05:00 and more", Moment{1985, 3, 15, 9, 5}},
        ParseCase{&Russian, u"15.03.1985", Moment{1985, 3, 15}},
        ParseCase{&Russian, u"15.03.1985   ", Moment{1985, 3, 15}},
        ParseCase{&Russian, u"15.03.1985 at noon", Moment{1985, 3, 15}},  // no digit follows
        ParseCase{&Russian, u"15.03.1985 9", Moment{1985, 3, 15}},        // the digit ends the text
        ParseCase{&Russian, u"15.03.1985 10", Moment{1985, 3, 15, 10}},
        ParseCase{&Russian, u"15.03.1985 x9", Moment{1985, 3, 15}},
        ParseCase{&Russian, u"15.03.1985 x95", std::nullopt},  // a time that does not read spoils the text
        ParseCase{&Russian, u"15.03.1985 9:", std::nullopt},
        ParseCase{&Russian, u"15.03.1985\t9:05", std::nullopt},  // only spaces are skipped
        ParseCase{&Russian, u"15.\u00A003.1985", std::nullopt},
        ParseCase{&Russian, u"15.03.19850", Moment{1985, 3, 15}},  // a number stops after a value above 999
        ParseCase{&Russian, u"15.03.198512:30", Moment{1985, 3, 15, 12, 30}},
        ParseCase{&Russian, u"15.03.1985 0012:30", Moment{1985, 3, 15, 12, 30}},
        ParseCase{&Russian, u"15.03.1985 9:05:00,2500", std::nullopt},  // 2500 milliseconds
        ParseCase{&Russian, u"15.03.1985 9:05:00,0999", Moment{1985, 3, 15, 9, 5, 0, 999}},
        ParseCase{&Russian, u"15.03.1985 9:05:00,", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Designators, ParseBirthTextRules,
    testing::Values(ParseCase{&US, u"3/15/1985 12:30 AM", Moment{1985, 3, 15, 0, 30}},
                    ParseCase{&US, u"3/15/1985 12:30 PM", Moment{1985, 3, 15, 12, 30}},
                    ParseCase{&US, u"3/15/1985 1:30 pm", Moment{1985, 3, 15, 13, 30}},
                    ParseCase{&US, u"3/15/1985 pM 1:30", Moment{1985, 3, 15, 13, 30}},
                    ParseCase{&US, u"3/15/1985 1:30PM", Moment{1985, 3, 15, 13, 30}},
                    ParseCase{&US, u"3/15/1985 0:30 AM", std::nullopt},
                    ParseCase{&US, u"3/15/1985 13:30 PM", std::nullopt},
                    ParseCase{&US, u"3/15/1985 13:30", Moment{1985, 3, 15, 13, 30}},
                    ParseCase{&Russian, u"15.03.1985 9:05 PM",
                              Moment{1985, 3, 15, 21, 5}},  // "AM"/"PM" hold everywhere
                    ParseCase{&Ukrainian, u"15.03.1985 09:05:00 ПП", Moment{1985, 3, 15, 21, 5}},
                    ParseCase{&Ukrainian, u"15.03.1985 12:05:00 дп", Moment{1985, 3, 15, 0, 5}},
                    ParseCase{&MarkFirst, u"1985/03/15 午後 9:05:00", Moment{1985, 3, 15, 21, 5}},
                    ParseCase{&MarkFirst, u"1985/03/15 午前 12:05:00", Moment{1985, 3, 15, 0, 5}},
                    ParseCase{&MarkFirst, u"1985/03/15 午後 9:05:00 AM", Moment{1985, 3, 15, 21, 5}}));

INSTANTIATE_TEST_SUITE_P(TimeAlone, ParseBirthTextRules,
                         testing::Values(ParseCase{&Russian, u"9:05:07", Moment{1899, 12, 30, 9, 5, 7}},
                                         ParseCase{&US, u"9:05 PM", Moment{1899, 12, 30, 21, 5}},
                                         ParseCase{&US, u"PM 9:05  ", Moment{1899, 12, 30, 21, 5}},
                                         ParseCase{&US, u"  23", Moment{1899, 12, 30, 23}},
                                         ParseCase{&US, u"9:05 PM x", std::nullopt},  // must be used up
                                         ParseCase{&US, u"Time 9:05", std::nullopt},
                                         ParseCase{&Russian, u"24:00", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Ranges, ParseBirthTextRules,
    testing::Values(
        ParseCase{&Russian, u"", std::nullopt}, ParseCase{&Russian, u"no date", std::nullopt},
        ParseCase{&Russian, u"31.04.1985", std::nullopt}, ParseCase{&Russian, u"30.04.1985", Moment{1985, 4, 30}},
        ParseCase{&Russian, u"29.02.1900", std::nullopt}, ParseCase{&Russian, u"29.02.2000", Moment{2000, 2, 29}},
        ParseCase{&Russian, u"15.13.1985", std::nullopt}, ParseCase{&Russian, u"00.12.1985", std::nullopt},
        ParseCase{&Russian, u"31.12.9999 23:59:59,999", Moment{9999, 12, 31, 23, 59, 59, 999}},
        ParseCase{&Russian, u"01.01.0001 0:00", Moment{1, 1, 1}},
        ParseCase{&Russian, u"15.03.1985 24:00", std::nullopt},
        ParseCase{&Russian, u"15.03.1985 23:60", std::nullopt},
        ParseCase{&Russian, u"15.03.1985 23:59:60", std::nullopt},
        ParseCase{&Russian, u"29.12.1899 6:00", Moment{1899, 12, 29, 6}}));

TEST(ParseBirthText, MomentsBeforeTheEpochSubtractTheTimeOfDay) {
  EXPECT_EQ(ParseBirthText(Russian, u"29.12.1899 6:00", 2025), -1.25);
  EXPECT_EQ(ParseBirthText(Russian, u"30.12.1899 6:00", 2025), 0.25);
}

// Every text the writer makes under a numeric pattern reads back to the same
// date and time to the second, for any year, also under two-digit-year patterns.
TEST(BirthTextProperty, WhatIsWrittenReadsBack) {
  std::mt19937 random(20250315);
  std::vector<RegionalFormats> patterns(BirthTextSampleFormats().begin(), BirthTextSampleFormats().end());
  patterns.push_back(Formats(u"M/d/yy", u"/", true, false, false, u"AM", u"PM", u"."));
  patterns.push_back(Formats(u"d.M.y", u".", false, false, false, u"", u"", u","));
  int checked = 0;
  for (const RegionalFormats& formats : patterns) {
    if (formats.DateSeparator.empty() || formats.TimeSeparator.empty()) continue;
    std::printf("write-then-read: 20000 moments under %s\n", Narrow(formats.ShortDate).c_str());
    for (int i = 0; i < 20000; ++i) {
      const int currentYear = std::uniform_int_distribution<int>(100, 9900)(random);
      const int year = std::uniform_int_distribution<int>(1, 9999)(random);
      const int month = std::uniform_int_distribution<int>(1, 12)(random);
      const int day = std::uniform_int_distribution<int>(1, DaysInMonth(year, month))(random);
      const int hour = std::uniform_int_distribution<int>(0, 23)(random);
      const int minute = std::uniform_int_distribution<int>(0, 59)(random);
      const int second = std::uniform_int_distribution<int>(0, 59)(random);
      const int msec = std::uniform_int_distribution<int>(0, 999)(random);
      const TDateTime date = EncodeDate(year, month, day);
      const std::u16string text = FormatBirthText(formats, date, EncodeTime(hour, minute, second, msec));
      const auto read = ParseBirthText(formats, text, currentYear);
      const TDateTime want = ComposeDateTime(date, EncodeTime(hour, minute, second, 0));
      ASSERT_EQ(Show(read), Show(want)) << Narrow(text) << " in " << currentYear;
      ASSERT_EQ(*read, want);
      ++checked;
    }
  }
  EXPECT_GE(checked, 10 * 20000);
}

}  // namespace
