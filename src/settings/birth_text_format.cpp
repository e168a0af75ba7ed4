// Writes the birth moment as text: the short date pattern, one space, the time.
#include "birth_text.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"

namespace {

int RunLength(std::u16string_view pattern, std::size_t at) {
  std::size_t end = at;
  while (end < pattern.size() && pattern[end] == pattern[at]) ++end;
  return static_cast<int>(end - at);
}

// The date by the short date pattern. Day and month names have no place in a
// numeric birth text: a month name is written as its number (the reader only
// takes numbers) and a weekday name and the era are left out.
void AppendDate(std::u16string& out, const RegionalFormats& formats, const CivilDate& date) {
  const std::u16string_view pattern = formats.ShortDate;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (c == u'\'') {  // quoted literal text; two quotes stand for one
      std::size_t at = i + 1;
      if (at < pattern.size() && pattern[at] == u'\'') {
        out += u'\'';
        i = at + 1;
        continue;
      }
      while (at < pattern.size()) {
        if (pattern[at] == u'\'') {
          if (at + 1 < pattern.size() && pattern[at + 1] == u'\'') {
            out += u'\'';
            at += 2;
            continue;
          }
          break;
        }
        out += pattern[at++];
      }
      i = at + 1;
      continue;
    }
    const int run = RunLength(pattern, i);
    switch (c) {
      case u'd':
        if (run <= 2) AppendNumber(out, date.day, run);
        break;
      case u'M': AppendNumber(out, date.month, run >= 2 ? 2 : 1); break;
      case u'y':
        // Always the whole year, also where the pattern shows two digits: a
        // two-digit year would read back into the window around the current
        // year, and a birth before it would come back a century late.
        AppendNumber(out, date.year, 4);
        break;
      case u'g': break;
      case u'/':
        for (int k = 0; k < run; ++k) out += formats.DateSeparator;
        break;
      default: out.append(pattern.substr(i, static_cast<std::size_t>(run))); break;
    }
    i += static_cast<std::size_t>(run);
  }
}

void AppendTime(std::u16string& out, const RegionalFormats& formats, const TimeOfDay& time) {
  int hour = time.hour;
  const std::u16string* designator = nullptr;
  if (formats.TwelveHour) {
    designator = hour < 12 ? &formats.AmDesignator : &formats.PmDesignator;
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  const bool marked = designator != nullptr && !designator->empty();
  if (marked && formats.DesignatorFirst) out += *designator + u' ';
  AppendNumber(out, hour, formats.LeadingZeroHour ? 2 : 1);
  out += formats.TimeSeparator;
  AppendNumber(out, time.minute, 2);
  out += formats.TimeSeparator;
  AppendNumber(out, time.second, 2);
  if (marked && !formats.DesignatorFirst) out += u' ' + *designator;
}

// Whole days of `value`, kept inside years 1..9999 so that any input writes a
// readable text.
TDateTime DatePart(TDateTime value) {
  if (!std::isfinite(value)) return 0.0;
  return std::clamp(std::trunc(value), EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31));
}

TDateTime TimePart(TDateTime value) {
  if (!std::isfinite(value)) return 0.0;
  return std::fabs(value - std::trunc(value));
}

}  // namespace

DateTimeParts WrittenBirthParts(TDateTime date, TDateTime time) {
  DateTimeParts parts{DecodeDateTime(DatePart(date)).date, DecodeDateTime(TimePart(time)).time};
  parts.time.msec = 0;
  return parts;
}

std::u16string FormatBirthText(const RegionalFormats& formats, TDateTime date, TDateTime time) {
  const DateTimeParts parts = WrittenBirthParts(date, time);
  std::u16string text;
  AppendDate(text, formats, parts.date);
  text += u' ';
  AppendTime(text, formats, parts.time);
  return text;
}
