// The hack's clock: one reading per picture, and a timer that wakes the hack
// at each minute boundary of the local clock and when the clock is set.
#pragma once

#include <cstdint>
#include <optional>

#include "picture.h"
#include "tdatetime.h"

// The local wall clock, or the fixed moment of a test run (whose stars then
// follow from the moment, as in a snapshot).
ClockReading ReadClock(const std::optional<TDateTime>& fixedNow);

// A timerfd that becomes readable at the next minute boundary of the local
// clock, and at once when someone sets the clock. Re-arm it after each wake.
class MinuteTimer {
public:
  MinuteTimer();
  ~MinuteTimer();
  MinuteTimer(const MinuteTimer&) = delete;
  MinuteTimer& operator=(const MinuteTimer&) = delete;

  int Fd() const { return fd_; }
  // Takes the wake (whatever woke it) and sets the next boundary.
  void Rearm();

private:
  int fd_ = -1;
};
