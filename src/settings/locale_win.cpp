// The default-language rule and the regional formats, from the system's locale data.
#include "locale_win.h"

#include <string>
#include <string_view>

#include "settings.h"
#include "wide_text.h"

namespace {

std::optional<std::u16string> LocaleText(LCID locale, LCTYPE item) {
  wchar_t buffer[128] = {};
  const int length = GetLocaleInfoW(locale, item, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 0) return std::nullopt;
  return Utf16String(buffer);
}

}  // namespace

bool DetectRussianUi() {
  // The buffer has two spare units: the call is offered 19, so a longer name
  // fails and reads as no name at all.
  wchar_t name[21] = {};
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLISHLANGUAGENAME, name, 19) <= 0) name[0] = 0;
  const std::wstring_view text(name);
  return text == L"Russian" || text == L"Belarusian" || text == L"Ukrainian";
}

RegionalFormats ReadRegionalFormats(LCID locale) {
  RegionalFormats f;
  auto text = [locale](LCTYPE item, std::u16string& into) {
    if (auto value = LocaleText(locale, item)) into = std::move(*value);
  };
  auto flag = [locale](LCTYPE item, bool& into, std::u16string_view whenSet) {
    if (auto value = LocaleText(locale, item)) into = *value == whenSet;
  };
  text(LOCALE_SSHORTDATE, f.ShortDate);
  text(LOCALE_SDATE, f.DateSeparator);
  text(LOCALE_STIME, f.TimeSeparator);
  flag(LOCALE_ITIME, f.TwelveHour, u"0");
  flag(LOCALE_ITLZERO, f.LeadingZeroHour, u"1");
  flag(LOCALE_ITIMEMARKPOSN, f.DesignatorFirst, u"1");
  text(LOCALE_S1159, f.AmDesignator);
  text(LOCALE_S2359, f.PmDesignator);
  text(LOCALE_SDECIMAL, f.DecimalSeparator);
  return f;
}

const RegionalFormats& CurrentRegionalFormats() {
  static const RegionalFormats formats = [] {
    LCID locale = GetThreadLocale();
    if (locale == 0) locale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
    return ReadRegionalFormats(locale);
  }();
  return formats;
}
