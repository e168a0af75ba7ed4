// Digits written by hand: the library's number formatting follows the locale
// or writes only char text.
#include "number_text.h"

void AppendNumber(std::u16string& out, int value, int minDigits) {
  // Unsigned, so that the most negative int has a magnitude too.
  auto magnitude = static_cast<unsigned>(value);
  if (value < 0) {
    out += u'-';
    magnitude = 0u - magnitude;
    --minDigits;
  }
  char16_t digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  for (int i = count; i < minDigits; ++i) out += u'0';
  while (count > 0) out += digits[--count];
}

std::u16string NumberText(int value, int minDigits) {
  std::u16string text;
  AppendNumber(text, value, minDigits);
  return text;
}
