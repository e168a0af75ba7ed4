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
      case u'd':
      case u'D': return DateOrder::DayMonthYear;
      case u'm':
      case u'M': return DateOrder::MonthDayYear;
      case u'y':
      case u'Y':
      case u'e':
      case u'E': return DateOrder::YearMonthDay;
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

  // A separator or designator, after optional spaces. A literal that itself
  // starts with a space is tried where the scanner stands first. An empty
  // literal never matches, so it cannot join two numbers that nothing stands between.
  bool Take(std::u16string_view literal, bool ignoreCase = false) {
    if (literal.empty()) return false;
    if (MatchesAt(at_, literal, ignoreCase)) {
      at_ += literal.size();
      return true;
    }
    std::size_t after = at_;
    while (after < text_.size() && text_[after] == u' ') ++after;
    if (after == at_ || !MatchesAt(after, literal, ignoreCase)) return false;
    at_ = after + literal.size();
    return true;
  }

private:
  bool MatchesAt(std::size_t at, std::u16string_view literal, bool ignoreCase) const {
    if (text_.size() - at < literal.size()) return false;
    for (std::size_t i = 0; i < literal.size(); ++i) {
      const char16_t a = text_[at + i], b = literal[i];
      if (ignoreCase ? FoldCase(a) != FoldCase(b) : a != b) return false;
    }
    return true;
  }

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
  // Minutes, seconds and milliseconds, each after its separator; a separator
  // with no number after it spoils the time.
  int fields[4] = {hour->value, 0, 0, 0};
  for (int f = 1; f < 4; ++f) {
    if (!scan.Take(f == 3 ? formats.DecimalSeparator : formats.TimeSeparator)) break;
    const auto n = scan.ReadNumber();
    if (!n) return std::nullopt;
    fields[f] = n->value;
  }
  auto [h, minute, second, msec] = fields;
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
      case DateOrder::MonthDayYear:
        month = first->value;
        day = second->value;
        y = *third;
        break;
      case DateOrder::DayMonthYear:
        day = first->value;
        month = second->value;
        y = *third;
        break;
      case DateOrder::YearMonthDay:
        y = *first;
        month = second->value;
        day = third->value;
        break;
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

// The time that may follow a date: after an optional date separator and
// spaces; none when no digit follows or the first one ends the text.
std::optional<TDateTime> ReadTimeAfterDate(Scanner& scan, std::u16string_view text, TDateTime date,
                                           const RegionalFormats& formats) {
  scan.Take(formats.DateSeparator);
  scan.SkipSpaces();
  std::size_t digit = scan.Position();
  while (digit < text.size() && !IsDigit(text[digit])) ++digit;
  if (digit + 1 >= text.size()) return date;
  const auto time = ReadTime(scan, formats);
  if (!time) return std::nullopt;
  return ComposeDateTime(date, *time);
}

}  // namespace

std::optional<TDateTime> ParseBirthText(const RegionalFormats& formats, std::u16string_view text,
                                        int currentYear) {
  std::size_t firstDigit = 0;
  while (firstDigit < text.size() && !IsDigit(text[firstDigit])) ++firstDigit;
  Scanner scan(text, firstDigit);
  if (const auto date = ReadDate(scan, formats, currentYear)) return ReadTimeAfterDate(scan, text, *date, formats);
  // No date at the start: the whole text must be a time of day.
  Scanner whole(text);
  const auto time = ReadTime(whole, formats);
  if (!time || !whole.AtEnd()) return std::nullopt;
  return time;
}
