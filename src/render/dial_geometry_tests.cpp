// Points on the dial: the cardinal hours, the pixel the single-precision time
// angle moves, and the centre of odd and empty windows.
#include "dial_geometry.h"

#include <gtest/gtest.h>

#include "paint_trace.h"

namespace {

struct TipCase {
  int minute;
  Point offset;  // from the centre
};

TEST(TimePoint, HandTipAtTheFourCardinalTimes) {
  // The stored single angle puts 00:00 one pixel above the centre's row and
  // 18:00 one pixel left of its column.
  const TipCase cases[] = {{0, {-240, -1}}, {360, {0, -240}}, {720, {239, 0}}, {1080, {-1, 239}}};
  for (const Point centre : {Point{960, 540}, Point{240, 240}, Point{683, 384}}) {
    for (const TipCase& c : cases) {
      EXPECT_EQ(TimePoint(centre, static_cast<float>(c.minute), 240),
                (Point{centre.X + c.offset.X, centre.Y + c.offset.Y}))
          << "minute " << c.minute << " centre " << centre;
    }
  }
}

TEST(TimePoint, RunsClockwiseFromTheLeft) {
  const Point c{500, 500};
  // 03:00 is up and left, 09:00 up and right, 15:00 down and right, 21:00 down and left.
  const Point p3 = TimePoint(c, 180, 100);
  const Point p9 = TimePoint(c, 540, 100);
  const Point p15 = TimePoint(c, 900, 100);
  const Point p21 = TimePoint(c, 1260, 100);
  EXPECT_TRUE(p3.X < c.X && p3.Y < c.Y) << p3;
  EXPECT_TRUE(p9.X > c.X && p9.Y < c.Y) << p9;
  EXPECT_TRUE(p15.X > c.X && p15.Y > c.Y) << p15;
  EXPECT_TRUE(p21.X < c.X && p21.Y > c.Y) << p21;
}

TEST(TimePoint, AddsTheCentreBeforeCuttingTowardZero) {
  // Offset -0.0000018 on a centre of 540 gives 539; cut first it would be 540.
  // Near the origin the same offset is cut to 0.
  EXPECT_EQ(TimePoint({960, 540}, 0, 240).Y, 539);
  EXPECT_EQ(TimePoint({0, 0}, 0, 240), (Point{-239, 0}));
}

struct HourCase {
  int j, n, radius;
  Point offset;
};

TEST(HourPoint, SpokesAndDiscsAtTheirHours) {
  const HourCase cases[] = {
      {24, 24, 240, {-240, 0}},   // label "00"
      {18, 24, 240, {0, -240}},   // "06"
      {12, 24, 240, {240, 0}},    // "12"
      {6, 24, 240, {0, 240}},     // "18"
      {0, 12, 290, {-290, 0}},    // ring position 0, the Liver
      {3, 12, 290, {0, 290}},     // position 3, bottom
      {6, 12, 290, {290, 0}},     // position 6, right
      {9, 12, 290, {0, -290}},    // position 9, top
      {1, 12, 290, {-251, 144}},  // cos 60 degrees falls just short of 1/2 here
      {4, 12, 290, {144, 251}},
  };
  for (const HourCase& c : cases) {
    const Point centre{960, 540};
    EXPECT_EQ(HourPoint(centre, c.j, c.n, c.radius), (Point{centre.X + c.offset.X, centre.Y + c.offset.Y}))
        << c.j << " of " << c.n;
  }
}

TEST(HourPoint, CutsTheOffsetBeforeAddingTheCentre) {
  // 290 * sin(-60 degrees) = -251.15: cut to -251, whatever the centre.
  EXPECT_EQ(HourPoint({0, 0}, 1, 12, 290).X, -251);
  EXPECT_EQ(HourPoint({1000, 0}, 1, 12, 290).X, 749);
}

TEST(DialCentre, HalvesTowardZero) {
  EXPECT_EQ(DialCentre(1920, 1080), (Point{960, 540}));
  EXPECT_EQ(DialCentre(1921, 1081), (Point{960, 540}));
  EXPECT_EQ(DialCentre(0, 0), (Point{0, 0}));
  EXPECT_EQ(DialCentre(1, 3), (Point{0, 1}));
}

}  // namespace
