// The settings dialog's words and values apart from any window: the language
// texts, the fixed credit values, the link address, the error box's wording and
// the split of the birth moment between the two pickers.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "quellora_version.h"
#include "site_address.h"
#include "tdatetime.h"

// The ten targets whose text follows the English check box, in the order the
// dialog applies them.
enum class DialogText {
  Title,
  CheckBoxStar,
  LabelUser,
  LabelDate,
  LabelTime,
  GroupBoxAbout,
  LabelCopyright,
  LabelCreator,
  LabelProgrammer,
  LabelWare,
};
inline constexpr int DialogTextCount = 10;

struct TextPair {
  std::u16string_view English;
  std::u16string_view Russian;
};

// Indexed by DialogText.
extern const std::array<TextPair, DialogTextCount> LanguageTexts;

inline std::u16string_view LanguageText(DialogText target, bool english) {
  const TextPair& pair = LanguageTexts[static_cast<std::size_t>(target)];
  return english ? pair.English : pair.Russian;
}

// Texts that are the same in both languages.
inline constexpr std::u16string_view EnglishCheckText = u"English";
inline constexpr std::u16string_view OkText = u"OK";
inline constexpr std::u16string_view VersionText = u"" QUELLORA_VERSION;
inline constexpr std::u16string_view ContactEmail = u"quellora@example.org";

// The page the link opens: the English pages live one folder down.
std::u16string SiteAddress(bool english);

// "Failed to set data for '<name>'".
std::u16string SaveFailureText(std::u16string_view valueName);

// The program file's name up to its first full stop, taken from a full module
// path with "\" or "/" separators; the caller lowers all but its first character.
std::u16string_view ProgramNameStem(std::u16string_view modulePath);

// What the date picker and the time picker hold for a birth moment, and back.
// Seconds are kept (the time picker shows only hours and minutes, but the saved
// text carries them); milliseconds are dropped, as the saved text has none.
struct PickerValues {
  CivilDate Date;
  TimeOfDay Time;
};
PickerValues SplitBirthMoment(TDateTime birth);
TDateTime JoinBirthMoment(const CivilDate& date, const TimeOfDay& time);
