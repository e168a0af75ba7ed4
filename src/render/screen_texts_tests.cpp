// The texts built for each paint: date, clock, birth line and advice lines.
#include "screen_texts.h"

#include <gtest/gtest.h>

#include "text_utf.h"

namespace {

struct DateCase {
  CivilDate date;
  bool rus;
  std::u16string_view expected;
};

TEST(FormatShortDate, OwnAbbreviationsInBothLanguages) {
  const DateCase cases[] = {
      {{2020, 9, 5}, false, u"05 Sep 2020"},  {{2020, 9, 5}, true, u"05 Сен 2020"},
      {{2021, 7, 10}, false, u"10 Jul 2021"}, {{2021, 7, 10}, true, u"10 Июл 2021"},
      {{1999, 1, 1}, true, u"01 Янв 1999"},   {{1999, 12, 31}, false, u"31 Dec 1999"},
      {{2000, 5, 31}, true, u"31 Май 2000"},  {{987, 2, 3}, false, u"03 Feb 0987"},
  };
  for (const DateCase& c : cases)
    EXPECT_EQ(Utf8FromUtf16(FormatShortDate(c.date, c.rus)), Utf8FromUtf16(c.expected))
        << c.date.year << '-' << c.date.month << '-' << c.date.day << " rus " << c.rus;
}

TEST(FormatClock, TwoDigitsAroundTheLocaleSeparator) {
  EXPECT_EQ(FormatClock({0, 0, 0, 0}, u":"), u"00:00");
  EXPECT_EQ(FormatClock({9, 40, 59, 999}, u":"), u"09:40");
  EXPECT_EQ(FormatClock({23, 5, 0, 0}, u"."), u"23.05");
  EXPECT_EQ(FormatClock({7, 7, 0, 0}, u""), u"0707");
}

TEST(FormatBirthMoment, DayMonthYearAndClock) {
  EXPECT_EQ(FormatBirthMoment(36526.0, u":"), u"01.01.2000 00:00");
  EXPECT_EQ(FormatBirthMoment(EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0), u"."), u"01.07.1985 08.30");
  EXPECT_EQ(FormatBirthMoment(EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 0), u":"), u"31.12.2024 23:59");
}

struct SplitCase {
  std::u16string_view advice;
  std::vector<std::u16string_view> lines;
};

TEST(SplitAdviceLines, EveryKindOfBreak) {
  const SplitCase cases[] = {
      {u"", {}},
      {u"one", {u"one"}},
      {u"a\rb\rc", {u"a", u"b", u"c"}},
      {u"a\nb\nc", {u"a", u"b", u"c"}},
      {u"a\r\nb\r\nc", {u"a", u"b", u"c"}},
      {u"a\rb\n", {u"a", u"b"}},  // a trailing break makes no empty line
      {u"a\r\n", {u"a"}},
      {u"a\r\rb", {u"a", u"", u"b"}},  // two breaks in a row: an empty line
      {u"a\n\rb", {u"a", u"", u"b"}},  // LF then CR is two breaks
      {u"\r", {u""}},
      {u"\r\n\r\n", {u"", u""}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitAdviceLines(c.advice), c.lines) << Utf8FromUtf16(c.advice);
}

}  // namespace
