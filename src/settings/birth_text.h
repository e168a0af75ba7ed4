// The stored text form of the birth moment, written and read under explicit
// regional formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "regional_formats.h"
#include "tdatetime.h"

// Date part (short date pattern, but always with the whole year), one space,
// time part (hours, minutes and seconds, 12- or 24-hour as the formats say). The time of day of `date` and the
// date of `time` are ignored.
std::u16string FormatBirthText(const RegionalFormats& formats, TDateTime date, TDateTime time);

// The date (of `date`) and the time of day (of `time`) that FormatBirthText
// writes: whole days kept within years 1..9999, the time to the second.
DateTimeParts WrittenBirthParts(TDateTime date, TDateTime time);

// Reads a birth text; nothing when it cannot be read or a part is out of range.
// `currentYear` serves two-number dates and the two-digit-year window.
std::optional<TDateTime> ParseBirthText(const RegionalFormats& formats, std::u16string_view text, int currentYear);
