// The star count of a cover window.
#include "cover_picture.h"

#include <cmath>

#include "star_field.h"

std::int32_t CoverStarCount(std::int64_t coverArea, std::int64_t pictureArea) {
  if (pictureArea <= 0 || coverArea <= 0) return 0;
  // In floating point: the product of a large area and the star count could
  // leave 64 bits, and a whole number of stars needs no more precision.
  const double stars =
      static_cast<double>(StarCount) * static_cast<double>(coverArea) / static_cast<double>(pictureArea);
  // A cover thousands of times the picture's size is absurd, but must not overflow.
  return static_cast<std::int32_t>(std::lround(std::fmin(stars, 1e6)));
}
