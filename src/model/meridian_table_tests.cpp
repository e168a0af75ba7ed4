// Structural checks of the meridian table: what the ring and the advice layout
// rely on, and the Russian texts written in Cyrillic letters only.
#include "meridian_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool IsCyrillic(char16_t c) { return c >= 0x0400 && c <= 0x04FF; }
bool IsLatinLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

TEST(MeridianTable, StartHoursAreTwoHoursApartFromLungsAtTwo) {
  for (int k = 0; k < MeridianCount; ++k) EXPECT_EQ(MeridianHour[k], 2 * (k + 1) % 24) << k;
}

TEST(MeridianTable, RingPositionsWalkTheTableBackwards) {
  EXPECT_EQ(MeridianCode[TableIndexOfRing(0)], u"-F");
  EXPECT_EQ(MeridianColor[TableIndexOfRing(0)], 0x0099CC99u);
  EXPECT_EQ(MeridianCode[TableIndexOfRing(11)], u"-P");
  EXPECT_EQ(MeridianColor[TableIndexOfRing(11)], 0x00CDCDCDu);
  for (int i = 0; i < MeridianCount; ++i) EXPECT_EQ(RingOfTableIndex(TableIndexOfRing(i)), i);
}

TEST(MeridianTable, CodesAreASignAndCapitalLatinLetters) {
  for (Text code : MeridianCode) {
    ASSERT_GE(code.size(), 2u);
    ASSERT_LE(code.size(), 3u);
    EXPECT_TRUE(code[0] == u'+' || code[0] == u'-');
    EXPECT_TRUE(std::all_of(code.begin() + 1, code.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; }));
  }
}

// A Latin letter that looks like a Cyrillic one is invisible in Tahoma but
// wrong in any other font and for anything that reads the text.
TEST(MeridianTable, RussianTextsHaveNoLatinLetters) {
  for (const auto* column : {&MeridianNameRu, &MeridianHintRu, &MeridianAdviceRu}) {
    for (int k = 0; k < MeridianCount; ++k) {
      for (char16_t c : (*column)[k]) EXPECT_FALSE(IsLatinLetter(c)) << k << ": U+" << std::hex << int(c);
    }
  }
  for (Text name : MeridianNameRu) {
    for (char16_t c : name) EXPECT_TRUE(IsCyrillic(c) || c == u' ');
  }
  EXPECT_EQ(MeridianNameRu[3].substr(9, 2), u"\u0421\u0435");  // Се
  EXPECT_EQ(MeridianNameRu[6].substr(9, 1), u"\u041C");        // М
}

TEST(MeridianTable, AdviceIsThreeNonEmptyLinesJoinedByCarriageReturns) {
  for (const auto* column : {&MeridianAdviceRu, &MeridianAdviceEn}) {
    for (Text advice : *column) {
      EXPECT_EQ(std::count(advice.begin(), advice.end(), u'\r'), 2);
      EXPECT_EQ(advice.find(u'\n'), Text::npos);
      EXPECT_NE(advice.front(), u'\r');
      EXPECT_NE(advice.back(), u'\r');
      EXPECT_EQ(advice.find(u"\r\r"), Text::npos);
    }
  }
}

TEST(MeridianTable, EnglishAdviceUsesTheGraveAccentAsApostrophe) {
  for (int k = 0; k < MeridianCount; ++k) {
    EXPECT_EQ(MeridianAdviceEn[k].find(u'\''), Text::npos) << k;
    EXPECT_EQ(MeridianAdviceEn[k].find(u'`') != Text::npos, k == 6 || k == 7 || k == 11) << k;
  }
  EXPECT_EQ(MeridianAdviceEn[4], MeridianAdviceEn[5]);
  EXPECT_EQ(MeridianAdviceEn[6], MeridianAdviceEn[7]);
  EXPECT_NE(MeridianAdviceRu[4], MeridianAdviceRu[5]);
  EXPECT_NE(MeridianAdviceRu[6], MeridianAdviceRu[7]);
}

TEST(MeridianStart, HoldsTheStartHoursAsTimesOfDay) {
  FillMeridianStart();
  EXPECT_EQ(MeridianStart[11], 0.0);
  EXPECT_EQ(MeridianStart[5], 0.5);
  for (int k = 0; k < MeridianCount; ++k) EXPECT_DOUBLE_EQ(MeridianStart[k] * 24, MeridianHour[k]);
}

}  // namespace
