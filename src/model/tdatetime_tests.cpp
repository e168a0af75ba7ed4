// Tests of the calendar arithmetic under TDateTime.
#include "tdatetime.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(TDateTime, KnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
}

TEST(TDateTime, DayOfYear) {
  EXPECT_EQ(DayOfYear({2021, 7, 10}), 191);
  EXPECT_EQ(DayOfYear({1985, 7, 1}), 182);
  EXPECT_EQ(DayOfYear({2020, 12, 31}), 366);
  EXPECT_EQ(DayOfYear({1900, 12, 31}), 365);
  EXPECT_EQ(DayOfYear({2000, 3, 1}), 61);
}

TEST(TDateTime, NegativeMomentsSubtractTheTimeOfDay) {
  const TDateTime value = ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0));
  EXPECT_EQ(value, -1.25);
  const DateTimeParts parts = DecodeDateTime(value);
  EXPECT_EQ(parts.date.day, 29);
  EXPECT_EQ(parts.time.hour, 6);
}

TEST(TDateTime, RoundTripsEveryFieldToTheMillisecond) {
  std::mt19937 random(1);
  std::uniform_int_distribution<int> year(1, 9999), month(1, 12), day(1, 31), hour(0, 23), sixty(0, 59),
      msec(0, 999);
  for (int i = 0; i < 20000; ++i) {
    const int y = year(random), mo = month(random), d = std::min(day(random), DaysInMonth(y, mo));
    const int h = hour(random), mi = sixty(random), s = sixty(random), ms = msec(random);
    const DateTimeParts parts = DecodeDateTime(ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms)));
    ASSERT_EQ(parts.date.year, y);
    ASSERT_EQ(parts.date.month, mo);
    ASSERT_EQ(parts.date.day, d);
    ASSERT_EQ(parts.time.hour, h);
    ASSERT_EQ(parts.time.minute, mi);
    ASSERT_EQ(parts.time.second, s);
    ASSERT_EQ(parts.time.msec, ms);
  }
}

// Every minute of a few days, read at its first and its last millisecond: a
// moment at second 0 lies a hair below the minute for many of them.
TEST(TDateTime, MinuteCountIsTheMinuteShown) {
  for (const CivilDate date : {CivilDate{2026, 12, 10}, CivilDate{2021, 7, 10}, CivilDate{1985, 7, 1}}) {
    const TDateTime day = EncodeDate(date.year, date.month, date.day);
    for (int minute = 0; minute < 1440; ++minute) {
      const std::int64_t want = static_cast<std::int64_t>(day) * 1440 + minute;
      ASSERT_EQ(MinuteCount(ComposeDateTime(day, EncodeTime(minute / 60, minute % 60, 0, 0))), want) << minute;
      ASSERT_EQ(MinuteCount(ComposeDateTime(day, EncodeTime(minute / 60, minute % 60, 59, 999))), want) << minute;
    }
  }
}

}  // namespace
