// Decimal numbers in the program's texts, written and read one way everywhere:
// the clock and dates on the screen, the birth text and its record, the
// snapshot tool's moments.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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
