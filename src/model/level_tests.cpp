// Tests of the level arithmetic: the worked and midnight examples, the band
// edges, the scan's invariants over many dates, and independence from the
// caller's x87 precision.
#include "level.h"

#include "extended.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

TDateTime Moment(int y, int mo, int d, int h = 0, int mi = 0) {
  return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, 0, 0));
}

struct WorkedRow {
  int k;
  double amplitude;
  int level;
  Colour band;
  float upperFirst, upperMirror, lowerLast, lowerMirror;
};

// 10 July 2021 09:40, born 1 July 1985 08:30.
const WorkedRow WorkedExample[] = {
    {0, 0.104320, 1, BandRed, 0, 0, 0, 0},
    {1, 0.443275, 12, BandYellow, 0, 0, 0, 0},
    {2, 0.931404, 36, BandGreen, 0, 0, 652, 68},
    {3, 1.437913, 68, BandGreen, 532, 428, 878, 82},
    {4, 1.827084, 91, BandRed, 826, 374, 1040, 160},
    {5, 1.994639, 90, BandYellow, 980, 460, 1173, 267},
    {6, 1.895680, 67, BandGreen, 1081, 599, 1286, 394},
    {7, 1.556725, 35, BandGreen, 1098, 822, 1372, 548},
    {8, 1.068596, 11, BandYellow, 0, 0, 1411, 749},
    {9, 0.562087, 1, BandRed, 0, 0, 0, 0},
    {10, 0.172916, 0, BandRed, 0, 0, 0, 0},
    {11, 0.005361, 0, BandRed, 0, 0, 0, 0},
};

TEST(WorkedExample, PhasesAmplitudesLevelsAndScan) {
  const ModelFrame frame = ComputeModelFrame(Moment(2021, 7, 10, 9, 40), Moment(1985, 7, 1, 8, 30));
  EXPECT_EQ(frame.NowPhase, 3.2879133f);
  EXPECT_EQ(frame.BirthPhase, 3.1329856f);
  EXPECT_EQ(frame.MinuteNow, 580);
  for (const WorkedRow& row : WorkedExample) {
    SCOPED_TRACE("k = " + std::to_string(row.k));
    EXPECT_NEAR(MeridianAmplitude(row.k, frame.NowPhase, frame.BirthPhase), row.amplitude, 5e-7);
    const std::int32_t level = MeridianLevel(row.k, 580, frame.NowPhase, frame.BirthPhase);
    EXPECT_EQ(level, row.level);
    EXPECT_EQ(frame.LevelAtRing[RingOfTableIndex(row.k)], row.level);
    EXPECT_EQ(LevelColor(level), row.band);
    EXPECT_EQ(frame.Scan.UpperFirst[row.k], row.upperFirst);
    EXPECT_EQ(frame.Scan.UpperMirror[row.k], row.upperMirror);
    EXPECT_EQ(frame.Scan.LowerLast[row.k], row.lowerLast);
    EXPECT_EQ(frame.Scan.LowerMirror[row.k], row.lowerMirror);
  }
}

TEST(MidnightExample, LiverSkipsMidnightAsItsFirstLevel70) {
  const float now = AnnualPhase(Moment(2021, 3, 8));
  const float birth = AnnualPhase(Moment(1985, 3, 8));
  EXPECT_NEAR(MeridianAmplitude(11, now, birth), 1.405426, 5e-7);
  for (int m = 0; m <= 28; ++m) EXPECT_EQ(MeridianLevel(11, m, now, birth), 70) << m;
  EXPECT_EQ(MeridianLevel(11, 29, now, birth), 69);
  const MeridianScan scan = ScanMeridians(now, birth);
  EXPECT_EQ(scan.UpperFirst[11], 1.0f);
  EXPECT_EQ(scan.UpperMirror[11], 1439.0f);
  EXPECT_EQ(scan.LowerLast[11], 393.0f);
  EXPECT_EQ(scan.LowerMirror[11], 1047.0f);
}

TEST(LevelColor, BandEdges) {
  const struct {
    std::int32_t level;
    Colour colour;
  } cases[] = {{-1, BandRed},    {0, BandRed},    {9, BandRed},    {10, BandYellow},
               {29, BandYellow}, {30, BandGreen}, {70, BandGreen}, {71, BandYellow},
               {90, BandYellow}, {91, BandRed},   {100, BandRed},  {101, BandRed}};
  for (const auto& c : cases) EXPECT_EQ(LevelColor(c.level), c.colour) << c.level;
}

TEST(AnnualPhase, FirstAndLastDayOfTheYear) {
  EXPECT_EQ(AnnualPhase(Moment(2000, 1, 1)), 0.017167173f);
  for (int year : {1900, 1985, 2000, 2021, 2024, 9999}) {
    SCOPED_TRACE(year);
    EXPECT_EQ(AnnualPhase(Moment(year, 12, 31, 23, 59)), 6.2831855f);
    EXPECT_GT(AnnualPhase(Moment(year, 1, 1)), 0.0f);
  }
  // Only the calendar date counts, not the time of day or the year itself.
  EXPECT_EQ(AnnualPhase(Moment(1985, 7, 1, 8, 30)), AnnualPhase(Moment(2021, 7, 1)));
  EXPECT_EQ(AnnualPhase(Moment(1850, 3, 1, 18, 0)), AnnualPhase(Moment(2021, 3, 1)));
}

TEST(MeridianLevel, LiverAtMidnightIsTwiceItsAmplitudeTimes25) {
  const float now = AnnualPhase(Moment(2021, 10, 2));
  const float birth = AnnualPhase(Moment(1990, 4, 17));
  // Liver (k = 11) has phase offset 0, so at minute 0 the curve's cosine is 1
  // and the level is trunc(2 * A * 25), A = ((cos(now) + 2) + cos(birth)) / 2.
  // By hand: cos(4.7339) = 0.0215, cos(1.8419) = -0.2678, A = 0.8769.
  EXPECT_EQ(MeridianLevel(11, 0, now, birth), 43);
}

// The scan as the plain search it stands for: first level 70 in window order
// (a midnight 70 only when no later one follows), last level 30.
MeridianScan ReferenceScan(float now, float birth) {
  MeridianScan scan;
  for (int k = 0; k < MeridianCount; ++k) {
    const int start = 60 * MeridianHour[k];
    int first70 = -1, last30 = -1, midnight70 = -1;
    for (int offset = 0; offset < 720; ++offset) {
      const int m = (start + offset) % 1440;
      const int level = MeridianLevel(k, m, now, birth);
      if (level == 70 && first70 < 0) {
        if (m == 0) {
          midnight70 = m;
        } else {
          first70 = m;
        }
      }
      if (level == 30) last30 = m;
    }
    auto mirror = [&](int m) { return static_cast<float>(((2 * start - m) % 1440 + 1440) % 1440); };
    if (first70 >= 0) {
      scan.UpperFirst[k] = static_cast<float>(first70);
      scan.UpperMirror[k] = mirror(first70);
    } else if (midnight70 == 0) {
      scan.UpperMirror[k] = mirror(0);
    }
    if (last30 >= 0) {
      scan.LowerLast[k] = static_cast<float>(last30);
      scan.LowerMirror[k] = mirror(last30);
    }
  }
  return scan;
}

TEST(ScanMeridians, InvariantsOverManyDates) {
  std::mt19937 random(20211007);
  std::uniform_int_distribution<int> day(0, 3'000'000);  // 1900 .. 9999
  int found = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const float now = AnnualPhase(static_cast<TDateTime>(day(random)));
    const float birth = AnnualPhase(static_cast<TDateTime>(day(random)));
    const MeridianScan scan = ScanMeridians(now, birth);
    const MeridianScan reference = ReferenceScan(now, birth);
    for (int k = 0; k < MeridianCount; ++k) {
      SCOPED_TRACE(::testing::Message() << "trial " << trial << ", k " << k);
      EXPECT_EQ(scan.UpperFirst[k], reference.UpperFirst[k]);
      EXPECT_EQ(scan.UpperMirror[k], reference.UpperMirror[k]);
      EXPECT_EQ(scan.LowerLast[k], reference.LowerLast[k]);
      EXPECT_EQ(scan.LowerMirror[k], reference.LowerMirror[k]);
      // Across its window a meridian's level never rises.
      const int start = 60 * MeridianHour[k];
      int previous = MeridianLevel(k, start, now, birth);
      for (int offset = 1; offset < 720; ++offset) {
        const int level = MeridianLevel(k, (start + offset) % 1440, now, birth);
        ASSERT_LE(level, previous) << "offset " << offset;
        ASSERT_GE(previous - level, 0);
        ASSERT_LE(previous - level, 1);
        previous = level;
      }
      // Found minutes have the level they stand for, and so have their mirrors.
      if (scan.LowerLast[k] > 0) {
        ++found;
        EXPECT_EQ(MeridianLevel(k, static_cast<int>(scan.LowerLast[k]), now, birth), 30);
        EXPECT_EQ(MeridianLevel(k, static_cast<int>(scan.LowerMirror[k]), now, birth), 30);
      }
      if (scan.UpperFirst[k] > 0) {
        EXPECT_EQ(MeridianLevel(k, static_cast<int>(scan.UpperFirst[k]), now, birth), 70);
        EXPECT_EQ(MeridianLevel(k, static_cast<int>(scan.UpperMirror[k]), now, birth), 70);
        EXPECT_GT(scan.LowerLast[k], 0.0f) << "a level-70 stretch must end at a level 30";
      }
      // Mirrors lie as far before the start hour as the found minute after it.
      for (auto [found70, mirror] : {std::pair{scan.UpperFirst[k], scan.UpperMirror[k]},
                                     std::pair{scan.LowerLast[k], scan.LowerMirror[k]}}) {
        if (found70 > 0) {
          EXPECT_EQ((static_cast<int>(found70) + static_cast<int>(mirror)) % 1440, (2 * start) % 1440);
        }
      }
    }
  }
  EXPECT_GT(found, 300);
}

#if defined(__i386__) || defined(__x86_64__)
std::uint16_t ControlWord() {
  std::uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

void SetControlWord(std::uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

TEST(Precision, GuardRaisesToExtendedAndGivesTheWordBack) {
  const std::uint16_t saved = ControlWord();
  const auto reduced = static_cast<std::uint16_t>((saved & ~0x0F00u) | 0x0200u | 0x0C00u);
  SetControlWord(reduced);
  {
    ExtendedPrecision precision;
    EXPECT_EQ(ControlWord() & 0x0F00u, 0x0300u) << "64-bit precision, round to nearest";
  }
  EXPECT_EQ(ControlWord(), reduced);
  SetControlWord(saved);
}

// A thread handed 53-bit x87 precision (as 32-bit Windows may do) gets the
// same results as one at full precision.
TEST(Precision, ResultsDoNotDependOnTheCallersControlWord) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> day(0, 3'000'000);
  std::uniform_int_distribution<int> minute(0, 1439);
  const std::uint16_t saved = ControlWord();
  for (int trial = 0; trial < 200; ++trial) {
    const TDateTime now = day(random) + minute(random) / 1440.0, birth = day(random);
    const ModelFrame full = ComputeModelFrame(now, birth);
    SetControlWord(static_cast<std::uint16_t>((saved & ~0x0300u) | 0x0200u));
    const ModelFrame reduced = ComputeModelFrame(now, birth);
    SetControlWord(saved);
    ASSERT_EQ(reduced.NowPhase, full.NowPhase);
    ASSERT_EQ(reduced.BirthPhase, full.BirthPhase);
    ASSERT_EQ(reduced.LevelAtRing, full.LevelAtRing);
    ASSERT_EQ(reduced.Scan.UpperFirst, full.Scan.UpperFirst);
    ASSERT_EQ(reduced.Scan.LowerLast, full.Scan.LowerLast);
  }
}
#endif

// The day's scan kept between paints is the scan of the paint's own day and
// birth date: a new day, a new birth date or a day back again scans anew.
TEST(DayScan, KeptScanIsThatOfThePaintsDay) {
  const TDateTime birth = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  struct {
    TDateTime now, birth;
  } const paints[] = {
      {EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0), birth},
      {EncodeDate(2021, 7, 10) + EncodeTime(9, 41, 0, 0), birth},                   // the next minute
      {EncodeDate(2021, 7, 11) + EncodeTime(0, 0, 0, 0), birth},                    // midnight: a new day
      {EncodeDate(2021, 7, 11) + EncodeTime(0, 0, 0, 0), EncodeDate(1990, 2, 28)},  // new settings
      {EncodeDate(2021, 7, 10) + EncodeTime(23, 59, 0, 0), birth},                  // the clock set back
  };
  DayScan days;
  for (const auto& p : paints) {
    const ModelFrame kept = ComputeModelFrame(p.now, p.birth, days);
    const ModelFrame fresh = ComputeModelFrame(p.now, p.birth);
    EXPECT_EQ(kept.Scan.UpperFirst, fresh.Scan.UpperFirst) << p.now;
    EXPECT_EQ(kept.Scan.UpperMirror, fresh.Scan.UpperMirror) << p.now;
    EXPECT_EQ(kept.Scan.LowerLast, fresh.Scan.LowerLast) << p.now;
    EXPECT_EQ(kept.Scan.LowerMirror, fresh.Scan.LowerMirror) << p.now;
    EXPECT_EQ(kept.LevelAtRing, fresh.LevelAtRing) << p.now;
  }
}

}  // namespace
