// Reading the local clock and waking at minute boundaries.
#include "hack_clock.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <string>

#include "star_field.h"

namespace {

// The real-time clock now, and the local time of its second.
struct LocalNow {
  timespec Real{};
  tm Local{};
};
LocalNow ReadLocalNow() {
  LocalNow now;
  clock_gettime(CLOCK_REALTIME, &now.Real);
  localtime_r(&now.Real.tv_sec, &now.Local);
  return now;
}

}  // namespace

ClockReading ReadClock(const std::optional<TDateTime>& fixedNow) {
  if (fixedNow) return {*fixedNow, FixedMomentStarSeed(*fixedNow)};
  const auto [now, local] = ReadLocalNow();
  // A leap second reads as second 59 once more rather than an invalid time.
  const TDateTime moment = ComposeDateTime(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                                           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                                                      static_cast<int>(now.tv_nsec / 1000000)));
  const std::int64_t millis = std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
  return {moment, static_cast<std::uint32_t>(millis)};
}

MinuteTimer::MinuteTimer() : fd_(timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK)) {
  if (fd_ < 0) throw std::runtime_error(std::string("timerfd_create: ") + std::strerror(errno));
  Rearm();
}

MinuteTimer::~MinuteTimer() { close(fd_); }

void MinuteTimer::Rearm() {
  std::uint64_t expirations = 0;
  // Fails with ECANCELED after the clock was set, EAGAIN when nothing woke it; either is fine.
  [[maybe_unused]] const ssize_t got = read(fd_, &expirations, sizeof expirations);
  const auto [now, local] = ReadLocalNow();
  // The next second 0 of the local clock, as a moment of the real-time clock:
  // an absolute timer fires at it even after a suspend, never before it, and
  // is cancelled (and so wakes) when the clock is set.
  itimerspec next{};
  next.it_value.tv_sec = now.tv_sec - std::min(local.tm_sec, 59) + 60;
  timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &next, nullptr);
}
