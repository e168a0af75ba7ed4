// The texts of the picture that are built for each paint: the date, the
// clock, the birth line, the spoke labels, the percent badge and the advice lines.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tdatetime.h"

extern const std::array<std::u16string_view, 12> MonthAbbrRu;
extern const std::array<std::u16string_view, 12> MonthAbbrEn;

// "dd mmm yyyy" with the program's own month abbreviations, whatever the locale.
std::u16string FormatShortDate(const CivilDate& date, bool rus);
// "HH:mm" with the locale's time separator in place of ":".
std::u16string FormatClock(const TimeOfDay& time, std::u16string_view separator);
// "dd.MM.yyyy HH:mm", the ":" again the locale's time separator.
std::u16string FormatBirthMoment(TDateTime birth, std::u16string_view separator);
// Two digits, "00" to "99".
std::u16string TwoDigits(int value);
// "0%" to "100%".
std::u16string FormatPercent(int level);

// Lines of an advice text: a line ends at CR, LF or CR LF; a break at the very
// end makes no empty last line, two breaks in a row make an empty line.
std::vector<std::u16string_view> SplitAdviceLines(std::u16string_view advice);
