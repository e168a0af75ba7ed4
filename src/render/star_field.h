// The random generator of the star field: a 32-bit linear congruential
// generator, so every build draws the same stars from the same seed.
#pragma once

#include <cmath>
#include <cstdint>

#include "level.h"
#include "tdatetime.h"

inline constexpr int StarCount = 21;

class StarRandom {
public:
  explicit StarRandom(std::uint32_t seed) : state_(seed) {}

  // A whole number from 0 to range - 1; a range of 0 (or less) gives 0. Every
  // call advances the generator: state = state * 1664525 + 1013904223 (mod 2^32),
  // the result is the top of state * range.
  std::int32_t Pick(std::int32_t range) {
    state_ = state_ * 1664525u + 1013904223u;
    if (range <= 0) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(state_) * static_cast<std::uint32_t>(range)) >>
                                     32);
  }

private:
  std::uint32_t state_;
};

// The seed of a picture drawn for a fixed moment (a snapshot, a run with a
// fixed clock): the moment's count of minutes, so a moment always has the same stars.
inline std::uint32_t FixedMomentStarSeed(TDateTime moment) {
  return static_cast<std::uint32_t>(std::llround(moment * MinutesPerDay));
}
