// Writes and checks the locale-free record of the birth moment.
#include "birth_record.h"

#include <cstdio>

#include "birth_text.h"

namespace {

constexpr std::size_t MomentLength = 19;  // yyyy-MM-ddTHH:mm:ss
constexpr char16_t Separator = u'|';

// The digits at [at, at + count), or nothing when any of them is not a digit.
std::optional<int> Digits(std::u16string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    value = value * 10 + (text[i] - u'0');
  }
  return value;
}

}  // namespace

std::u16string FormatBirthRecord(TDateTime moment, std::u16string_view birthText) {
  const DateTimeParts p = WrittenBirthParts(moment, moment);
  char text[MomentLength + 2];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c", p.date.year, p.date.month, p.date.day,
                p.time.hour, p.time.minute, p.time.second, static_cast<char>(Separator));
  std::u16string record(text, text + MomentLength + 1);
  record += birthText;
  return record;
}

std::optional<TDateTime> ReadBirthRecord(std::u16string_view record, std::u16string_view birthText) {
  if (record.size() <= MomentLength || record[MomentLength] != Separator) return std::nullopt;
  if (record.substr(MomentLength + 1) != birthText) return std::nullopt;
  const std::u16string_view moment = record.substr(0, MomentLength);
  for (const auto& [at, mark] : {std::pair{4, u'-'}, {7, u'-'}, {10, u'T'}, {13, u':'}, {16, u':'}})
    if (moment[static_cast<std::size_t>(at)] != mark) return std::nullopt;
  const auto year = Digits(moment, 0, 4), month = Digits(moment, 5, 2), day = Digits(moment, 8, 2);
  const auto hour = Digits(moment, 11, 2), minute = Digits(moment, 14, 2), second = Digits(moment, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (!IsValidDate(*year, *month, *day) || !IsValidTime(*hour, *minute, *second, 0)) return std::nullopt;
  return ComposeDateTime(EncodeDate(*year, *month, *day), EncodeTime(*hour, *minute, *second, 0));
}
