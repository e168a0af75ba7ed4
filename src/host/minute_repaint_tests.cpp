// The minute repaint under drifting once-a-second polls: every minute of the
// clock gets exactly one repaint, at the first poll that reads it.
#include "minute_repaint.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

constexpr int MinutesPerDay = 24 * 60;

struct DriftCase {
  double startSecond;  // clock time of the first paint, seconds since midnight
  double pollPeriod;   // seconds between polls: a sleep of one second plus the loop's own time
  double runSeconds;
  bool pollsSkipSecondZero;  // a rule waiting for second 0 would lose a minute here
};
std::ostream& operator<<(std::ostream& os, const DriftCase& c) {
  return os << "start " << c.startSecond << " s, period " << c.pollPeriod << " s";
}

int MinuteOf(double second) { return static_cast<int>(second / 60.0) % MinutesPerDay; }

class MinuteRepaintDrift : public testing::TestWithParam<DriftCase> {};

TEST_P(MinuteRepaintDrift, RepaintsEveryMinuteOnceAtItsFirstPoll) {
  const DriftCase& c = GetParam();
  MinuteRepaint repaint(MinuteOf(c.startSecond));
  std::vector<int> repainted;
  int skippedSecondZero = 0;
  int lastMinuteSeen = MinuteOf(c.startSecond);
  for (double t = c.startSecond; t < c.startSecond + c.runSeconds; t += c.pollPeriod) {
    const int minute = MinuteOf(t);
    const bool firstPollOfMinute = minute != lastMinuteSeen;
    if (firstPollOfMinute && static_cast<int>(t) % 60 != 0) ++skippedSecondZero;
    lastMinuteSeen = minute;
    EXPECT_EQ(repaint.Poll(minute), firstPollOfMinute) << "at " << t << " s";
    if (firstPollOfMinute) repainted.push_back(minute);
  }
  // Each minute after the first paint's, in order, exactly once.
  const int expectedCount = static_cast<int>((c.startSecond + c.runSeconds) / 60.0) -
                            static_cast<int>(c.startSecond / 60.0);
  ASSERT_GE(static_cast<int>(repainted.size()), expectedCount - 1);
  for (std::size_t i = 0; i < repainted.size(); ++i)
    EXPECT_EQ(repainted[i], (MinuteOf(c.startSecond) + static_cast<int>(i) + 1) % MinutesPerDay);
  EXPECT_EQ(skippedSecondZero > 0, c.pollsSkipSecondZero);
}

INSTANTIATE_TEST_SUITE_P(
    MinuteRepaint, MinuteRepaintDrift,
    testing::Values(DriftCase{0.0, 1.0, 600.0, false},
                    DriftCase{59.5, 1.013, 3600.0, true},
                    DriftCase{12 * 3600 + 0.25, 1.05, 7200.0, true},
                    // Over midnight: 23:59 is followed by minute 0.
                    DriftCase{MinutesPerDay * 60.0 - 90.0, 1.0021, 600.0, false},
                    DriftCase{MinutesPerDay * 60.0 - 90.0, 1.04, 900.0, true}));

TEST(MinuteRepaint, AnyChangeOfMinuteCountsOnceEvenWhenTheClockIsSetBack) {
  MinuteRepaint repaint(600);
  EXPECT_FALSE(repaint.Poll(600));
  EXPECT_TRUE(repaint.Poll(598));
  EXPECT_FALSE(repaint.Poll(598));
  EXPECT_TRUE(repaint.Poll(600));
  EXPECT_TRUE(repaint.Poll(605));
}

}  // namespace
