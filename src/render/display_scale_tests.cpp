// Window pixels in the picture's 96-DPI units at the scales displays use.
#include "display_scale.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ScaleCase {
  const char* name;
  std::int32_t pixelWidth, pixelHeight, dpiX, dpiY;
  std::int32_t width, height;  // in units
  bool scaled;
};
std::ostream& operator<<(std::ostream& os, const ScaleCase& c) { return os << c.name; }

class Frame : public testing::TestWithParam<ScaleCase> {};

TEST_P(Frame, MeasuresTheWindowInUnitsRoundedToNearest) {
  const ScaleCase& c = GetParam();
  const PictureFrame frame = FrameAtDpi(c.pixelWidth, c.pixelHeight, c.dpiX, c.dpiY);
  EXPECT_EQ(frame.Width, c.width);
  EXPECT_EQ(frame.Height, c.height);
  EXPECT_EQ(frame.PixelWidth, std::max(c.pixelWidth, 0));
  EXPECT_EQ(frame.PixelHeight, std::max(c.pixelHeight, 0));
  EXPECT_EQ(frame.Scaled(), c.scaled);
}

INSTANTIATE_TEST_SUITE_P(
    DisplayScale, Frame,
    testing::Values(
        // At 96 DPI a unit is a pixel and nothing is scaled: today's picture.
        ScaleCase{"At96", 1920, 1080, 96, 96, 1920, 1080, false},
        ScaleCase{"At120", 1920, 1080, 120, 120, 1536, 864, true},
        ScaleCase{"At144", 1920, 1080, 144, 144, 1280, 720, true},
        // 1280 * 96 / 144 = 853.33 and 800 * 96 / 144 = 533.33: down to the nearest.
        ScaleCase{"At144RoundedDown", 1280, 800, 144, 144, 853, 533, true},
        // 1366 * 96 / 144 = 910.67 and 768 * 96 / 120 = 614.4.
        ScaleCase{"RoundedUpAndDown", 1366, 768, 144, 120, 911, 614, true},
        ScaleCase{"UnreadableDpiCountsAs96", 800, 600, 0, -1, 800, 600, false},
        ScaleCase{"EmptyWindow", 0, 0, 144, 144, 0, 0, false},
        ScaleCase{"OnePixelIsAtLeastOneUnit", 1, 1, 480, 480, 1, 1, false},
        ScaleCase{"TwoPixelsAtTripleScale", 2, 2, 288, 288, 1, 1, true},
        ScaleCase{"HugeSideDoesNotOverflow", 2147483647, 16384, 96, 48, 2147483647, 32768, true},
        ScaleCase{"HugeSideAtLowDpiIsBounded", 2147483647, 100, 48, 48, 2147483647, 200, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
