// The arithmetic of the window's pixels: channel bits scaled from the masks of
// TrueColor visuals of every depth, and the nearest colormap cell.
// GoogleTest first: Xlib's macros (None, Bool) would rename its own names.
#include <gtest/gtest.h>

#include "x_pixels.h"

namespace {

TEST(XPixels, ChannelBitsScaleTheLevelToTheMask) {
  struct Case {
    unsigned level;
    unsigned long mask;
    unsigned long bits;
  };
  const Case cases[] = {
      {255, 0xFF0000, 0xFF0000},
      {0x5E, 0xFF00, 0x5E00},
      {0, 0xFF, 0},  // 24 bits
      {255, 0xF800, 0xF800},
      {128, 0xF800, 16u << 11},
      {4, 0x1F, 0},  // 16 bits, 5-6-5
      {5, 0x1F, 1u},
      {128, 0x7E0, 32u << 5},  // to the nearest
      {255, 0x3FF00000, 0x3FF00000},
      {1, 0x3FF, 4},
      {128, 0xFFC00, 514u << 10},  // 30 bits
      {255, 0xE0, 0xE0},
      {128, 0x03, 2},
      {42, 0x03, 0},
      {43, 0x03, 1},  // 8 bits, 3-3-2
      {200, 0, 0},    // no channel
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChannelBits(c.level, c.mask), c.bits) << c.level << " in " << std::hex << c.mask;
}

TEST(XPixels, NearestCellByColourOrByLuminance) {
  const std::vector<ColourCell> cells = {{0, 0x000000}, {1, 0xFFFFFF}, {2, 0xFF0000}, {3, 0x00FF00},
                                         {4, 0x0000FF}, {5, 0x808080}, {6, 0x808080}};
  const std::tuple<Rgb, bool, unsigned long> cases[] = {
      {0xFF0000, false, 2},
      {0xE01010, false, 2},
      {0x0000F0, false, 4},
      {0x707070, false, 5},  // first of equals
      {0xF0F0F0, false, 1},
      {0x101010, false, 0},
      // By luminance alone: dark red (9) is nearest black, yellow (226) nearest white.
      {0x00FF00, true, 3},
      {0x0000FF, true, 4},
      {0x1E0000, true, 0},
      {0xFFFF00, true, 1},
      {0x7F7F7F, true, 5},
  };
  for (const auto& [colour, grey, pixel] : cases)
    EXPECT_EQ(NearestCell(colour, cells, grey).Pixel, pixel) << std::hex << colour << (grey ? " grey" : "");
  EXPECT_EQ(Luminance(0xFFFFFF), 255u);
  EXPECT_EQ(Luminance(0x000000), 0u);
  EXPECT_EQ(Luminance(0x00FF00), 150u);
  EXPECT_EQ(Luminance(0x1E0000), 9u);
}

}  // namespace
