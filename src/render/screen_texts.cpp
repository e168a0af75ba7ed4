// Text building for the picture, independent of the user's locale except for
// the time separator that the caller passes in.
#include "screen_texts.h"

#include "number_text.h"

const std::array<std::u16string_view, 12> MonthAbbrRu = {u"Янв", u"Фев", u"Мар", u"Апр", u"Май", u"Июн",
                                                         u"Июл", u"Авг", u"Сен", u"Окт", u"Ноя", u"Дек"};

const std::array<std::u16string_view, 12> MonthAbbrEn = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                         u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

namespace {

std::u16string FourDigits(int year) { return NumberText(year, 4); }

}  // namespace

std::u16string TwoDigits(int value) { return NumberText(value, 2); }

std::u16string FormatPercent(int level) { return NumberText(level, 1) + u'%'; }

std::u16string FormatShortDate(const CivilDate& date, bool rus) {
  const auto& months = rus ? MonthAbbrRu : MonthAbbrEn;
  const int index = date.month >= 1 && date.month <= 12 ? date.month - 1 : 0;
  std::u16string text = TwoDigits(date.day);
  text += u' ';
  text += months[index];
  text += u' ';
  text += FourDigits(date.year);
  return text;
}

std::u16string FormatClock(const TimeOfDay& time, std::u16string_view separator) {
  std::u16string text = TwoDigits(time.hour);
  text += separator;
  text += TwoDigits(time.minute);
  return text;
}

std::u16string FormatBirthMoment(TDateTime birth, std::u16string_view separator) {
  const DateTimeParts parts = DecodeDateTime(birth);
  std::u16string text = TwoDigits(parts.date.day);
  text += u'.';
  text += TwoDigits(parts.date.month);
  text += u'.';
  text += FourDigits(parts.date.year);
  text += u' ';
  text += FormatClock(parts.time, separator);
  return text;
}

std::vector<std::u16string_view> SplitAdviceLines(std::u16string_view advice) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < advice.size()) {
    const char16_t c = advice[i];
    if (c != u'\r' && c != u'\n') {
      ++i;
      continue;
    }
    lines.push_back(advice.substr(start, i - start));
    i += (c == u'\r' && i + 1 < advice.size() && advice[i + 1] == u'\n') ? 2 : 1;
    start = i;
  }
  if (start < advice.size()) lines.push_back(advice.substr(start));
  return lines;
}
