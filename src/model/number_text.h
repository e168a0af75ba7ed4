// Decimal numbers in the program's texts, written and read one way everywhere:
// the clock and dates on the screen, the birth text and its record, the
// moments the snapshot tool and the hack are given.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tdatetime.h"

// Appends `value` in decimal with leading zeros up to `minDigits` places; a
// minus sign takes the first place.
void AppendNumber(std::u16string& out, int value, int minDigits);
std::u16string NumberText(int value, int minDigits);

// The number written by the `count` characters at `at`; nothing when they run
// past the end or any of them is not a digit 0 to 9.
template <typename Char>
std::optional<int> ReadDigits(std::basic_string_view<Char> text, std::size_t at, std::size_t count) {
  if (at > text.size() || count > text.size() - at) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < Char('0') || text[i] > Char('9')) return std::nullopt;
    value = value * 10 + (text[i] - Char('0'));
  }
  return value;
}

// Whether a moment's text carries its seconds (":SS" after the minutes).
enum class MomentSeconds { Never, Optional, Always };

// A moment written YYYY-MM-DD, one of `separators`, HH:MM and the seconds as
// `seconds` says; nothing unless that is all the text and a real date (from
// the year 1) and time of day.
template <typename Char>
std::optional<TDateTime> ReadMoment(std::basic_string_view<Char> text, std::basic_string_view<Char> separators,
                                    MomentSeconds seconds) {
  const bool withSeconds = text.size() == 19 && seconds != MomentSeconds::Never;
  if (!withSeconds && (text.size() != 16 || seconds == MomentSeconds::Always)) return std::nullopt;
  if (text[4] != Char('-') || text[7] != Char('-') || separators.find(text[10]) == separators.npos ||
      text[13] != Char(':') || (withSeconds && text[16] != Char(':')))
    return std::nullopt;
  const auto year = ReadDigits(text, 0, 4), month = ReadDigits(text, 5, 2), day = ReadDigits(text, 8, 2);
  const auto hour = ReadDigits(text, 11, 2), minute = ReadDigits(text, 14, 2);
  const auto second = withSeconds ? ReadDigits(text, 17, 2) : std::optional<int>(0);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*year < 1 || !IsValidDate(*year, *month, *day) || !IsValidTime(*hour, *minute, *second, 0))
    return std::nullopt;
  return ComposeDateTime(EncodeDate(*year, *month, *day), EncodeTime(*hour, *minute, *second, 0));
}
