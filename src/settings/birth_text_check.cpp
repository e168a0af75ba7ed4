// Checks one arbitrary input against the birth text reader's promises.
#include "birth_text_check.h"

#include <array>
#include <cmath>
#include <string>

#include "birth_text.h"

RegionalFormats Formats(std::u16string date, std::u16string dateSep, bool twelve, bool zero, bool first,
                        std::u16string am, std::u16string pm, std::u16string decimal, std::u16string timeSep) {
  return {std::move(date), std::move(dateSep), std::move(timeSep), twelve, zero, first,
          std::move(am),   std::move(pm),      std::move(decimal), 50};
}

namespace {

const std::array<RegionalFormats, 10> Samples = {
    Formats(u"dd.MM.yyyy", u".", false, false, false, u"", u"", u","),
    Formats(u"M/d/yyyy", u"/", true, false, false, u"AM", u"PM", u"."),
    Formats(u"d.M.yyyy", u".", false, true, false, u"", u"", u","),
    Formats(u"yyyy-MM-dd", u"-", false, true, false, u"fm", u"em", u","),
    Formats(u"dd.MM.yy", u".", false, false, false, u"", u"", u","),
    Formats(u"yyyy/MM/dd", u"/", true, false, true, u"午前", u"午後", u"."),
    Formats(u"dd.MM.yyyy", u".", false, true, false, u"дп", u"пп", u","),
    Formats(u"d-M-yyyy", u"-", true, true, false, u"a.m.", u"p.m.", u","),
    Formats(u"dd/MM/yyyy", u" / ", true, true, true, u"πμ", u"μμ", u"..", u" h "),
    Formats(u"yy''MM''dd", u"", true, false, false, u"", u"", u""),
};

// The writer always puts the whole year; the text reads back where both
// separators exist.
bool ReadsBackWhatIsWritten(const RegionalFormats& f) {
  return !f.DateSeparator.empty() && !f.TimeSeparator.empty();
}

bool SameToTheSecond(const DateTimeParts& a, const DateTimeParts& b) {
  return a.date.year == b.date.year && a.date.month == b.date.month && a.date.day == b.date.day &&
         a.time.hour == b.time.hour && a.time.minute == b.time.minute && a.time.second == b.time.second;
}

}  // namespace

std::span<const RegionalFormats> BirthTextSampleFormats() { return Samples; }

bool CheckBirthTextInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return true;
  const RegionalFormats& formats = Samples[data[0] % Samples.size()];
  const int currentYear = 1 + (data[1] | data[2] << 8) % 9999;
  std::u16string text((size - 3) / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[3 + 2 * i] | data[4 + 2 * i] << 8);

  const auto moment = ParseBirthText(formats, text, currentYear);
  if (!moment) return true;
  if (!std::isfinite(*moment)) return false;
  const DateTimeParts parts = DecodeDateTime(*moment);
  if (!IsValidDate(parts.date.year, parts.date.month, parts.date.day) ||
      !IsValidTime(parts.time.hour, parts.time.minute, parts.time.second, parts.time.msec))
    return false;

  // Use the result as the dialog's save would, and read it back.
  if (!ReadsBackWhatIsWritten(formats) || (formats.TwelveHour && formats.PmDesignator.empty())) return true;
  const auto again = ParseBirthText(formats, FormatBirthText(formats, *moment, *moment), currentYear);
  return again && SameToTheSecond(DecodeDateTime(*again), parts);
}
