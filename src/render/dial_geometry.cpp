// Dial points in 80-bit extended precision with the x87 unit's own sine and
// cosine, so that every build puts every point on the same pixel.
#include "dial_geometry.h"

#include "extended.h"

namespace {

constexpr Extended TwoPi = 2 * ExtPi;
constexpr Extended HalfPi = ExtPi / 2;
constexpr Extended MinutesPerDayExt = 1440;

}  // namespace

Point DialCentre(std::int32_t width, std::int32_t height) {
  // Integer division by two cuts toward zero, which is the halving we want
  // everywhere in the picture.
  return {width / 2, height / 2};
}

Point HourPoint(Point centre, int j, int n, int radius) {
  ExtendedPrecision precision;
  const Extended twoJ = Fence(static_cast<Extended>(2 * j));
  const Extended theta = twoJ * ExtPi / Fence(n) - HalfPi;
  const Extended r = Fence(radius);
  const std::int32_t dx = Trunc(r * ExtSin(theta));
  const std::int32_t dy = Trunc(r * ExtCos(theta));
  return Fence(Point{centre.X + dx, centre.Y + dy});
}

Point TimePoint(Point centre, float minute, int radius) {
  ExtendedPrecision precision;
  const Extended v = Fence(static_cast<Extended>(minute));
  // The stored single is what the sine and cosine see; the rounding moves some
  // points by a pixel (the 00:00 tip sits one pixel above the centre's row).
  const float theta = StoreSingle(-HalfPi - v * TwoPi / MinutesPerDayExt);
  const Extended t = Fence(theta);
  const Extended r = Fence(radius);
  const std::int32_t x = Trunc(Fence(centre.X) + r * ExtSin(t));
  const std::int32_t y = Trunc(Fence(centre.Y) + r * ExtCos(t));
  return Fence(Point{x, y});
}
