// Structural checks of the meridian table: what the level arithmetic, the ring
// and the advice layout rely on, and the look-alike letters users already see.
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

TEST(MeridianTable, RussianNamesAreCyrillicButForTwoLookAlikes) {
  for (int k = 0; k < MeridianCount; ++k) {
    std::u16string latin;
    for (char16_t c : MeridianNameRu[k]) {
      if (IsLatinLetter(c)) {
        latin += c;
      } else if (c != u' ') {
        EXPECT_TRUE(IsCyrillic(c)) << k;
      }
    }
    const std::u16string expected = k == 3 ? u"Ce" : k == 6 ? u"M" : u"";
    EXPECT_EQ(latin, expected) << k;
  }
  EXPECT_EQ(MeridianNameRu[3].substr(9, 2), u"Ce");
  EXPECT_EQ(MeridianNameRu[6].substr(9, 1), u"M");
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
