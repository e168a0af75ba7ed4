// Reads a stored birth text back into a moment, leniently: the parts are found
// in the locale's order and separators, and only their ranges are checked.
#include "birth_text.h"

#include <cstdint>

namespace {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of d, m and y in the pattern decides (e, an era year, counts as y).
DateOrder OrderOf(std::u16string_view pattern) {
  for (const char16_t c : pattern) {
    switch (c) {
      case u'd': case u'D': return DateOrder::DayMonthYear;
      case u'm': case u'M': return DateOrder::MonthDayYear;
      case u'y': case u'Y': case u'e': case u'E': return DateOrder::YearMonthDay;
      default: break;
    }
  }
  return DateOrder::MonthDayYear;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Case folding for the designators: ASCII, Latin-1, Greek and Cyrillic letters,
// which covers the AM/PM texts that locales use.
char32_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

struct Number {
  int value = 0;
  int digits = 0;
};

class Scanner {
 public:
  explicit Scanner(std::u16string_view text, std::size_t at = 0) : text_(text), at_(at) {}

  std::size_t Position() const { return at_; }
  bool AtEnd() const { return at_ >= text_.size(); }

  void SkipSpaces() {
    while (at_ < text_.size() && text_[at_] == u' ') ++at_;
  }

  // A run of digits after optional spaces; it stops before a digit that would
  // follow a value above 999, so a value never exceeds 9999.
  std::optional<Number> ReadNumber() {
    SkipSpaces();
    Number n;
    while (at_ < text_.size() && IsDigit(text_[at_]) && n.value <= 999) {
      n.value = n.value * 10 + (text_[at_] - u'0');
      ++n.digits;
      ++at_;
    }
    if (n.digits == 0) return std::nullopt;
    return n;
  }

  // A separator after optional spaces; an empty separator never matches, so it
  // cannot join two numbers that nothing stands between.
  bool Take(std::u16string_view literal, bool ignoreCase = false) {
    if (literal.empty()) return false;
    const std::size_t saved = at_;
    SkipSpaces();
    if (text_.size() - at_ >= literal.size()) {
      bool same = true;
      for (std::size_t i = 0; same && i < literal.size(); ++i) {
        const char16_t a = text_[at_ + i], b = literal[i];
        same = ignoreCase ? FoldCase(a) == FoldCase(b) : a == b;
      }
      if (same) {
        at_ += literal.size();
        return true;
      }
    }
    at_ = saved;
    return false;
  }

 private:
  std::u16string_view text_;
  std::size_t at_;
};

// Hours to add for an AM or PM designator at the scanner, or nothing.
std::optional<int> TakeDesignator(Scanner& scan, const RegionalFormats& formats) {
  if (scan.Take(formats.AmDesignator, true) || scan.Take(u"AM", true)) return 0;
  if (scan.Take(formats.PmDesignator, true) || scan.Take(u"PM", true)) return 12;
  return std::nullopt;
}

std::optional<TDateTime> ReadTime(Scanner& scan, const RegionalFormats& formats) {
  std::optional<int> baseHour = TakeDesignator(scan, formats);
  const auto hour = scan.ReadNumber();
  if (!hour) return std::nullopt;
  int h = hour->value, minute = 0, second = 0, msec = 0;
  if (scan.Take(formats.TimeSeparator)) {
    const auto m = scan.ReadNumber();
    if (!m) return std::nullopt;
    minute = m->value;
    if (scan.Take(formats.TimeSeparator)) {
      const auto s = scan.ReadNumber();
      if (!s) return std::nullopt;
      second = s->value;
      if (scan.Take(formats.DecimalSeparator)) {
        const auto ms = scan.ReadNumber();
        if (!ms) return std::nullopt;
        msec = ms->value;
      }
    }
  }
  if (!baseHour) baseHour = TakeDesignator(scan, formats);
  if (baseHour) {
    if (h < 1 || h > 12) return std::nullopt;
    h = h % 12 + *baseHour;
  }
  scan.SkipSpaces();
  if (!IsValidTime(h, minute, second, msec)) return std::nullopt;
  return EncodeTime(h, minute, second, msec);
}

int WindowedYear(int year, int currentYear, int window) {
  const int base = currentYear - window;
  year += base / 100 * 100;
  if (window > 0 && year < base) year += 100;
  return year;
}

std::optional<TDateTime> ReadDate(Scanner& scan, const RegionalFormats& formats, int currentYear) {
  const auto first = scan.ReadNumber();
  if (!first || !scan.Take(formats.DateSeparator)) return std::nullopt;
  const auto second = scan.ReadNumber();
  if (!second) return std::nullopt;

  const DateOrder order = OrderOf(formats.ShortDate);
  int year = currentYear, month = 0, day = 0;
  Scanner ahead = scan;
  std::optional<Number> third;
  if (ahead.Take(formats.DateSeparator)) third = ahead.ReadNumber();
  if (third) {
    scan = ahead;
    Number y;
    switch (order) {
      case DateOrder::MonthDayYear: month = first->value; day = second->value; y = *third; break;
      case DateOrder::DayMonthYear: day = first->value; month = second->value; y = *third; break;
      case DateOrder::YearMonthDay: y = *first; month = second->value; day = third->value; break;
    }
    year = y.digits <= 2 ? WindowedYear(y.value, currentYear, formats.TwoDigitYearWindow) : y.value;
  } else if (order == DateOrder::DayMonthYear) {
    day = first->value;
    month = second->value;
  } else {
    month = first->value;
    day = second->value;
  }
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return EncodeDate(year, month, day);
}

// The date and the time that follows it, when the text starts with a date.
std::optional<TDateTime> ReadDateAndTime(std::u16string_view text, const RegionalFormats& formats,
                                         int currentYear) {
  std::size_t start = 0;
  while (start < text.size() && !IsDigit(text[start])) ++start;
  Scanner scan(text, start);
  const auto date = ReadDate(scan, formats, currentYear);
  if (!date) return std::nullopt;
  scan.Take(formats.DateSeparator);
  scan.SkipSpaces();
  std::size_t digit = scan.Position();
  while (digit < text.size() && !IsDigit(text[digit])) ++digit;
  if (digit + 1 >= text.size()) return date;
  const auto time = ReadTime(scan, formats);
  if (!time) return std::nullopt;
  return ComposeDateTime(*date, *time);
}

}  // namespace

std::optional<TDateTime> ParseBirthText(const RegionalFormats& formats, std::u16string_view text,
                                        int currentYear) {
  if (auto moment = ReadDateAndTime(text, formats, currentYear)) return moment;
  Scanner scan(text);
  const auto time = ReadTime(scan, formats);
  if (!time || !scan.AtEnd()) return std::nullopt;
  return time;
}
