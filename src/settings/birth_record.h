// The birth moment recorded beside the "Birth" text in a form that no regional
// setting changes, so that a change of the user's formats cannot move or lose it
// (the value "BirthRecord", written after "Birth": see settings_schema.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tdatetime.h"

// "yyyy-MM-ddTHH:mm:ss|" followed by the exact birth text written beside it.
// The moment is taken to the second, as the birth text has it.
std::u16string FormatBirthRecord(TDateTime moment, std::u16string_view birthText);

// The recorded moment, while the stored birth text is still the one recorded
// with it; nothing when the record is malformed or the text has changed since
// (edited by hand, or written by a version that kept no record).
std::optional<TDateTime> ReadBirthRecord(std::u16string_view record, std::u16string_view birthText);
