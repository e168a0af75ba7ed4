// The regional date and time formats that the stored birth text follows, as one
// value, so the text rules can be used and tested under any locale.
#pragma once

#include <string>

struct RegionalFormats {
  std::u16string ShortDate = u"M/d/yyyy";  // LOCALE_SSHORTDATE
  std::u16string DateSeparator = u"/";     // LOCALE_SDATE
  std::u16string TimeSeparator = u":";     // LOCALE_STIME
  bool TwelveHour = true;                  // LOCALE_ITIME = 0
  bool LeadingZeroHour = false;            // LOCALE_ITLZERO = 1
  bool DesignatorFirst = false;            // LOCALE_ITIMEMARKPOSN = 1
  std::u16string AmDesignator = u"AM";     // LOCALE_S1159
  std::u16string PmDesignator = u"PM";     // LOCALE_S2359
  std::u16string DecimalSeparator = u".";  // LOCALE_SDECIMAL
  int TwoDigitYearWindow = 50;
};
