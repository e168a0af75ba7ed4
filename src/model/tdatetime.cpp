// Calendar arithmetic on TDateTime, on whole days since the civil epoch.
#include "tdatetime.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr std::int64_t MSecsPerDay = 86'400'000;
// 30 December 1899 counted in days from 1 January 1970.
constexpr std::int64_t EpochOffset = -25'569;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
  return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

// A moment as whole milliseconds, the precision every reading of one keeps.
std::int64_t RoundedMillis(TDateTime value) {
  return static_cast<std::int64_t>(std::llround(value * static_cast<double>(MSecsPerDay)));
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && msec >= 0 &&
         msec < 1000;
}

TDateTime EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                             EpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
  return static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

DateTimeParts DecodeDateTime(TDateTime value) {
  // Rounded to the millisecond; the day is cut toward zero and the time of day
  // taken as the positive remainder, which reads negative moments back as
  // "date minus time of day".
  const std::int64_t ms = RoundedMillis(value);
  const std::int64_t days = ms / MSecsPerDay;
  std::int64_t t = std::llabs(ms) % MSecsPerDay;
  DateTimeParts parts;
  parts.date = CivilFromDays(days + EpochOffset);
  parts.time.msec = static_cast<int>(t % 1000);
  t /= 1000;
  parts.time.second = static_cast<int>(t % 60);
  t /= 60;
  parts.time.minute = static_cast<int>(t % 60);
  parts.time.hour = static_cast<int>(t / 60);
  return parts;
}

std::int64_t MinuteCount(TDateTime value) { return RoundedMillis(value) / 60'000; }

int DayOfYear(const CivilDate& date) {
  return static_cast<int>(
             DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) -
             DaysFromCivil(date.year, 1, 1)) +
         1;
}
