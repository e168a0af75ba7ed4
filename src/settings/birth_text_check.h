// The promises of the birth text reader, checked on arbitrary input: shared by
// the fuzz target and by the test that replays its corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "regional_formats.h"

// Regional formats from the fields that differ between locales (short date,
// date separator, 12-hour clock, leading hour zero, designator first, the two
// designators, decimal sign); the time separator ":" unless given, the
// two-digit-year window 50.
RegionalFormats Formats(std::u16string date, std::u16string dateSep, bool twelve, bool zero, bool first,
                        std::u16string am, std::u16string pm, std::u16string decimal,
                        std::u16string timeSep = u":");

// Regional formats of several kinds of locale: day-month-year with "." and
// ",", U.S. 12-hour, ISO, two-digit years, designators first, multi-character
// and empty separators.
std::span<const RegionalFormats> BirthTextSampleFormats();

// Reads `data` as: one byte choosing a sample format, two bytes of current year,
// then UTF-16 text. Parses it and returns false when a result lies outside
// years 1..9999 or is not a valid time, or when writing a result under a
// four-digit-year format and reading it back does not give the same moment to
// the second.
bool CheckBirthTextInput(const std::uint8_t* data, std::size_t size);
