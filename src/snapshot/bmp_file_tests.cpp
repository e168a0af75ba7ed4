// BMP files as the snapshot tool writes them, and the reader the pixel tests use.
#include "bmp_file.h"

#include <gtest/gtest.h>

namespace {

TEST(Bmp24, HeaderAndPaddedRowsRoundTrip) {
  // 3 by 2: rows of 9 bytes padded to 12, bottom row first.
  std::vector<std::uint8_t> rows(24, 0);
  rows[0] = 0x30, rows[1] = 0x20, rows[2] = 0x10;  // (0, 1): red 0x10, green 0x20, blue 0x30
  rows[12 + 6] = 0xCC, rows[12 + 8] = 0xAA;        // (2, 0)
  const std::string file = EncodeBmp24(3, 2, rows);
  ASSERT_EQ(file.size(), 54u + 24u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(file[2]), 78);
  EXPECT_EQ(static_cast<unsigned char>(file[28]), 24);
  const auto image = DecodeBmp24(file);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width, 3);
  EXPECT_EQ(image->Height, 2);
  EXPECT_EQ(image->Pixel(0, 1), 0x00302010u);
  EXPECT_EQ(image->Pixel(2, 0), 0x00CC00AAu);
  EXPECT_EQ(image->Pixel(1, 1), 0u);
}

TEST(Bmp24, RejectsWhatItDidNotWrite) {
  std::vector<std::uint8_t> rows(16, 0);
  std::string file = EncodeBmp24(2, 2, rows);
  EXPECT_FALSE(DecodeBmp24(file.substr(0, file.size() - 1)));  // cut short
  EXPECT_FALSE(DecodeBmp24("BM"));
  file[28] = 32;  // 32 bits per pixel
  EXPECT_FALSE(DecodeBmp24(file));
}

}  // namespace
