// Window pixels in the picture's 96-DPI units at the scales displays use.
#include "display_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameAtDpi, MeasuresTheWindowInUnitsRoundedToNearest) {
  struct {
    std::int32_t pixelWidth, pixelHeight, dpiX, dpiY, width, height;
    bool scaled;
  } const cases[] = {
      {1920, 1080, 96, 96, 1920, 1080, false},  // a unit is a pixel: today's picture
      {1920, 1080, 120, 120, 1536, 864, true},
      {1280, 800, 144, 144, 853, 533, true},  // 853.33 and 533.33, down
      {1366, 768, 144, 120, 911, 614, true},  // 910.67 up, 614.4 down
      {800, 600, 0, -1, 800, 600, false},     // unreadable: 96
      {0, 0, 144, 144, 0, 0, false},          // nothing to scale
      {1, 1, 480, 480, 1, 1, false},          // at least one unit
      {2, 2, 288, 288, 1, 1, true},
      {2147483647, 100, 48, 48, 2147483647, 200, true},  // bounded, no overflow
  };
  for (const auto& c : cases) {
    const PictureFrame frame = FrameAtDpi(c.pixelWidth, c.pixelHeight, c.dpiX, c.dpiY);
    EXPECT_EQ(frame.Width, c.width) << c.pixelWidth << " px at " << c.dpiX;
    EXPECT_EQ(frame.Height, c.height) << c.pixelHeight << " px at " << c.dpiY;
    EXPECT_EQ(frame.PixelWidth, c.pixelWidth);
    EXPECT_EQ(frame.Scaled(), c.scaled) << c.pixelWidth << "x" << c.pixelHeight << " at " << c.dpiX;
  }
}

// Units to pixels: the nearest pixel, halves up (toward the right and the
// bottom, negative coordinates too), the picture's far edge on the window's
// edge; fonts cut toward zero, pens rounded; nothing changes at 96 DPI.
TEST(PictureFrame, TurnsUnitsIntoThePixelsOfItsWindow) {
  const PictureFrame at144 = FrameAtDpi(1920, 1080, 144, 144);  // 1280x720 units
  const PictureFrame at120 = FrameAtDpi(1366, 768, 120, 120);   // 1093x614 units
  const PictureFrame at96 = FrameAtDpi(1920, 1080, 96, 96);
  struct {
    const PictureFrame& frame;
    std::int32_t units, x, y;
  } const cases[] = {
      {at144, 0, 0, 0},         {at144, 1, 2, 2},           // 1.5 rounds up
      {at144, 3, 5, 5},         {at144, -1, -1, -1},        // -1.5 rounds up to -1
      {at144, -3, -4, -4},      {at144, 1280, 1920, 1920},  // the far edge of the width
      {at144, 720, 1080, 1080}, {at120, 1093, 1366, 1367}, {at120, 614, 767, 768}, {at96, 12345, 12345, 12345},
      {at96, -7, -7, -7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.frame.X(c.units), c.x) << c.units << " across at " << c.frame.PixelWidth;
    EXPECT_EQ(c.frame.Y(c.units), c.y) << c.units << " down at " << c.frame.PixelHeight;
  }
  struct {
    const PictureFrame& frame;
    std::int32_t units, font, pen;
  } const sizes[] = {
      {at144, 15, 22, 23},
      {at144, 1, 1, 2},
      {at144, 60, 90, 90},
      {at96, 15, 15, 15},
      {at96, 1, 1, 1},
      {FrameAtDpi(640, 480, 48, 48), 1, 1, 1},  // half a pixel: still one
      {FrameAtDpi(640, 480, 48, 48), 15, 7, 8},
  };
  for (const auto& c : sizes) {
    EXPECT_EQ(c.frame.FontHeight(c.units), c.font) << c.units;
    EXPECT_EQ(c.frame.PenWidth(c.units), c.pen) << c.units;
  }
  const PictureFrame empty = FrameAtDpi(0, 0, 144, 144);
  EXPECT_EQ(empty.X(100), 100) << "an empty window scales nothing";
  EXPECT_EQ(empty.FontHeight(15), 15);
}

// The scale a screen asks for: the display's (96 at least), grown past
// 1920x1080 by the smaller growth of the two sides.
TEST(ScreenDpi, GrowsOnScreensLargerThan1920x1080) {
  struct {
    std::int32_t dpi, width, height, expected;
  } const cases[] = {
      {96, 1920, 1080, 96},   {96, 1920, 1200, 96},
      {96, 1366, 768, 96},    {96, 2560, 1440, 128},
      {96, 3840, 2160, 192},  {96, 7680, 4320, 384},
      {96, 3840, 1080, 96},   {96, 2560, 1600, 128},
      {96, 1080, 1920, 96},   {144, 3840, 2160, 288},
      {120, 2560, 1440, 160}, {20, 1920, 1080, 96},
      {0, 2560, 1440, 128},   {-5, 800, 600, 96},
      {96, 0, 0, 96},         {96, 2147483647, 2147483647, 107374182},  // by the width, in 64 bits
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScreenDpi(c.dpi, c.width, c.height), c.expected) << c.width << "x" << c.height << " at " << c.dpi;
}

}  // namespace
