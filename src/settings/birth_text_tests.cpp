// Tests of the birth text under explicit regional formats.
#include "birth_text.h"

#include <gtest/gtest.h>

namespace {

RegionalFormats Russian() {
  RegionalFormats f;
  f.ShortDate = u"dd.MM.yyyy";
  f.DateSeparator = u".";
  f.TwelveHour = false;
  f.AmDesignator = u"";
  f.PmDesignator = u"";
  f.DecimalSeparator = u",";
  return f;
}

TEST(BirthText, Examples) {
  const TDateTime date = EncodeDate(1985, 3, 15);
  EXPECT_EQ(FormatBirthText(Russian(), date, EncodeTime(9, 5, 0, 0)), u"15.03.1985 9:05:00");
  EXPECT_EQ(FormatBirthText(RegionalFormats{}, date, EncodeTime(21, 5, 0, 0)), u"3/15/1985 9:05:00 PM");
  EXPECT_EQ(ParseBirthText(Russian(), u"15.03.1985 9:05:00", 2025), date + EncodeTime(9, 5, 0, 0));
  EXPECT_EQ(ParseBirthText(RegionalFormats{}, u"3/15/1985 9:05:00 PM", 2025),
            date + EncodeTime(21, 5, 0, 0));
}

}  // namespace
