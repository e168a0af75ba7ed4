// The minute repaint under drifting once-a-second polls: every minute of the
// clock gets exactly one repaint, at the first poll that reads it.
#include "minute_repaint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

constexpr int MinutesPerDay = 24 * 60;

struct DriftCase {
  double startSecond;  // clock time of the first paint, seconds since midnight
  double pollPeriod;   // seconds between polls: a sleep of one second plus the loop's own time
  double runSeconds;
  // Counted by hand: the minutes that begin during the run, and how many of
  // them are first read at a second other than 0 (a rule waiting for second 0
  // would lose each of those).
  std::size_t repaints;
  long offSecondZero;
};
std::ostream& operator<<(std::ostream& os, const DriftCase& c) {
  return os << "start " << c.startSecond << " s, period " << c.pollPeriod << " s";
}

int MinuteOf(double second) { return static_cast<int>(second / 60.0) % MinutesPerDay; }

// The clock time of each poll: every poll comes a period after the one before,
// so the drift adds up as it does in the redraw thread.
std::vector<double> PollTimes(const DriftCase& c) {
  std::vector<double> times;
  for (double t = c.startSecond; t < c.startSecond + c.runSeconds; t += c.pollPeriod) times.push_back(t);
  return times;
}

long WholeMinutes(double second) { return static_cast<long>(second / 60.0); }

struct Repaint {
  std::size_t poll;  // which poll asked for it
  int minute;        // the minute of the day it shows
  bool operator==(const Repaint&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Repaint& r) {
  return os << "poll " << r.poll << " -> minute " << r.minute;
}

// The repaints the rule promises, found from the poll times alone: for each
// minute that begins during the run, the first poll that reads it.
std::vector<Repaint> ExpectedRepaints(const std::vector<double>& times) {
  std::vector<Repaint> expected;
  for (long minute = WholeMinutes(times.front()) + 1;; ++minute) {
    const auto first =
        std::find_if(times.begin(), times.end(), [&](double t) { return WholeMinutes(t) >= minute; });
    if (first == times.end()) break;
    expected.push_back(
        {static_cast<std::size_t>(first - times.begin()), static_cast<int>(minute % MinutesPerDay)});
  }
  return expected;
}

class MinuteRepaintDrift : public testing::TestWithParam<DriftCase> {};

TEST_P(MinuteRepaintDrift, RepaintsEveryMinuteOnceAtItsFirstPoll) {
  const DriftCase& c = GetParam();
  const std::vector<double> times = PollTimes(c);
  MinuteRepaint repaint(MinuteOf(c.startSecond));
  std::vector<Repaint> repainted;
  for (std::size_t n = 0; n < times.size(); ++n) {
    const int minute = MinuteOf(times[n]);
    if (repaint.Poll(minute)) repainted.push_back({n, minute});
  }
  EXPECT_EQ(repainted, ExpectedRepaints(times));
  EXPECT_EQ(repainted.size(), c.repaints);
  EXPECT_EQ(std::count_if(repainted.begin(), repainted.end(),
                          [&](const Repaint& r) { return static_cast<long>(times[r.poll]) % 60 != 0; }),
            c.offSecondZero);
}

INSTANTIATE_TEST_SUITE_P(MinuteRepaint, MinuteRepaintDrift,
                         testing::Values(DriftCase{0.0, 1.0, 600.0, 9, 0}, DriftCase{59.5, 1.013, 3600.0, 60, 1},
                                         DriftCase{12 * 3600 + 0.25, 1.05, 7200.0, 120, 17},
                                         // Over midnight: 23:59 is followed by minute 0.
                                         DriftCase{MinutesPerDay * 60.0 - 90.0, 1.0021, 600.0, 10, 0},
                                         DriftCase{MinutesPerDay * 60.0 - 90.0, 1.04, 900.0, 15, 1}));

TEST(MinuteRepaint, AnyChangeOfMinuteCountsOnceEvenWhenTheClockIsSetBack) {
  MinuteRepaint repaint(600);
  EXPECT_FALSE(repaint.Poll(600));
  EXPECT_TRUE(repaint.Poll(598));
  EXPECT_FALSE(repaint.Poll(598));
  EXPECT_TRUE(repaint.Poll(600));
  EXPECT_TRUE(repaint.Poll(605));
}

}  // namespace
