// The settings dialog's language table, link address, error wording and picker
// values.
#include "dialog_texts.h"

const std::array<TextPair, DialogTextCount> LanguageTexts = {{
    {u"Settings", u"Настройки"},
    {u"Star", u"Звезды"},
    {u"User", u"Пользователь"},
    {u"Day of birth", u"День рождения"},
    {u"Time of birth", u"Время рождения"},
    {u"About", u"О программе"},
    {u"\u00A9 2026 Quellora developers", u"\u00A9 2026 Разработчики Quellora"},
    {u"Idea: the Quellora team", u"Идея: команда Quellora"},
    {u"Code: the Quellora developers", u"Код: разработчики Quellora"},
    {u"FreeWare program", u"Программа FreeWare"},
}};

std::u16string SiteAddress(bool english) {
  std::u16string address(SiteBase);
  if (english) address += u"english/";
  address += u"index.html";
  return address;
}

std::u16string SaveFailureText(std::u16string_view valueName) {
  std::u16string text = u"Failed to set data for '";
  text += valueName;
  text += u"'";
  return text;
}

std::u16string_view ProgramNameStem(std::u16string_view modulePath) {
  const std::size_t slash = modulePath.find_last_of(u"\\/");
  std::u16string_view name = slash == std::u16string_view::npos ? modulePath : modulePath.substr(slash + 1);
  return name.substr(0, name.find(u'.'));
}

PickerValues SplitBirthMoment(TDateTime birth) {
  DateTimeParts parts = DecodeDateTime(birth);
  parts.time.msec = 0;
  return {parts.date, parts.time};
}

TDateTime JoinBirthMoment(const CivilDate& date, const TimeOfDay& time) {
  return ComposeDateTime(EncodeDate(date.year, date.month, date.day),
                         EncodeTime(time.hour, time.minute, time.second, 0));
}
