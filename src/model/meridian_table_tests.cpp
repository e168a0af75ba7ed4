// Structural checks of the meridian table: what the level arithmetic, the ring
// and the advice layout rely on, and the Russian texts written in Cyrillic
// letters only.
#include "meridian_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "level.h"

namespace {

bool IsCyrillic(char16_t c) { return c >= 0x0400 && c <= 0x04FF; }
bool IsLatinLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// Each meridian's curve is highest at its start hour and lowest twelve hours
// later, whatever the two dates: the table's hours and the phase offsets of the
// level arithmetic tell the same clock.
TEST(MeridianTable, EachLevelPeaksAtItsStartHour) {
  const float phases[][2] = {{AnnualPhase(EncodeDate(2021, 7, 10)), AnnualPhase(EncodeDate(1985, 7, 1))},
                             {AnnualPhase(EncodeDate(2024, 1, 1)), AnnualPhase(EncodeDate(1990, 12, 31))},
                             {AnnualPhase(EncodeDate(2023, 3, 20)), AnnualPhase(EncodeDate(1970, 9, 23))}};
  int curves = 0;
  for (const auto& [now, birth] : phases) {
    for (int k = 0; k < MeridianCount; ++k) {
      std::int32_t highest = 0, lowest = 100;
      for (int minute = 0; minute < MinutesPerDay; ++minute) {
        highest = std::max(highest, MeridianLevel(k, minute, now, birth));
        lowest = std::min(lowest, MeridianLevel(k, minute, now, birth));
      }
      const int start = 60 * MeridianHour[k];
      EXPECT_EQ(MeridianLevel(k, start, now, birth), highest) << k;
      EXPECT_EQ(MeridianLevel(k, (start + MinutesPerDay / 2) % MinutesPerDay, now, birth), lowest) << k;
      // Three hours off the peak the curve has come down, unless the two dates
      // flatten it to nothing.
      if (highest < 10) continue;
      ++curves;
      for (const int off : {-180, 180})
        EXPECT_LT(MeridianLevel(k, (start + off + MinutesPerDay) % MinutesPerDay, now, birth), highest) << k;
    }
  }
  EXPECT_GE(curves, 30) << "of 36 curves, so few stand out of the flat";
}

TEST(MeridianTable, RingPositionsAndTableIndicesAreOneAnothersInverse) {
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
  for (int k = 0; k < MeridianCount; ++k) EXPECT_EQ(MeridianAdviceEn[k].find(u'\''), Text::npos) << k;
}

TEST(MeridianStart, HoldsTheStartHoursAsTimesOfDay) {
  FillMeridianStart();
  EXPECT_EQ(MeridianStart[11], 0.0);  // the Liver at midnight
  EXPECT_EQ(MeridianStart[5], 0.5);   // the Small Intestine at noon
  EXPECT_EQ(MeridianStart[0], 2.0 / 24);
  EXPECT_EQ(MeridianStart[8], 18.0 / 24);
}

}  // namespace
