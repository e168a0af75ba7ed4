// Calendar arithmetic on TDateTime: days since 30 December 1899 as a double, the
// fraction being the time of day (before 1899-12-30 the time is subtracted).
#pragma once

#include <cstdint>

using TDateTime = double;

struct CivilDate {
  int year = 0;   // 1..9999
  int month = 0;  // 1..12
  int day = 0;    // 1..31
};

struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, msec = 0;
};

struct DateTimeParts {
  CivilDate date;
  TimeOfDay time;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec);

// Whole days of a date (year 1..9999); the caller validates first.
TDateTime EncodeDate(int year, int month, int day);
// Fraction of a day; hour < 24, minute and second < 60, msec < 1000.
TDateTime EncodeTime(int hour, int minute, int second, int msec);
// Date plus time of day, or date minus time of day before 30 December 1899.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Splits a moment, rounded to the millisecond, into its date and its time of day.
DateTimeParts DecodeDateTime(TDateTime value);
// The minutes since 30 December 1899 of a moment from then on, rounded to the
// millisecond first as DecodeDateTime does: a moment at second 0 of a minute
// may lie a hair below it, and must not count as the minute before.
std::int64_t MinuteCount(TDateTime value);
int DayOfYear(const CivilDate& date);
