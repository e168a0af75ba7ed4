// Writes and checks the locale-free record of the birth moment.
#include "birth_record.h"

#include <tuple>

#include "birth_text.h"
#include "number_text.h"

namespace {

constexpr std::size_t MomentLength = 19;  // yyyy-MM-ddTHH:mm:ss
constexpr char16_t Separator = u'|';

}  // namespace

std::u16string FormatBirthRecord(TDateTime moment, std::u16string_view birthText) {
  const DateTimeParts p = WrittenBirthParts(moment, moment);
  std::u16string record;
  for (const auto& [value, digits, mark] : {std::tuple{p.date.year, 4, u'-'},
                                            {p.date.month, 2, u'-'},
                                            {p.date.day, 2, u'T'},
                                            {p.time.hour, 2, u':'},
                                            {p.time.minute, 2, u':'},
                                            {p.time.second, 2, Separator}}) {
    AppendNumber(record, value, digits);
    record += mark;
  }
  record += birthText;
  return record;
}

std::optional<TDateTime> ReadBirthRecord(std::u16string_view record, std::u16string_view birthText) {
  if (record.size() <= MomentLength || record[MomentLength] != Separator) return std::nullopt;
  if (record.substr(MomentLength + 1) != birthText) return std::nullopt;
  return ReadMoment(record.substr(0, MomentLength), std::u16string_view(u"T"), MomentSeconds::Always);
}
