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
      {1280, 800, 144, 144, 853, 533, true},    // 853.33 and 533.33, down
      {1366, 768, 144, 120, 911, 614, true},    // 910.67 up, 614.4 down
      {800, 600, 0, -1, 800, 600, false},       // unreadable: 96
      {0, 0, 144, 144, 0, 0, false},            // nothing to scale
      {1, 1, 480, 480, 1, 1, false},            // at least one unit
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

}  // namespace
