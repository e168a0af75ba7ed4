// The 24-bit BMP file form of a picture: writing for the snapshot tool,
// reading for the tests that check its pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// rows: bottom-up, blue-green-red, each row padded to a multiple of 4 bytes.
std::string EncodeBmp24(std::int32_t width, std::int32_t height, std::span<const std::uint8_t> rows);

struct BmpImage {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Rows;  // as EncodeBmp24 takes them

  // 0x00BBGGRR of the pixel (x, y), y counted from the top.
  std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;
};

// Nothing unless the bytes are an uncompressed bottom-up 24-bit BMP.
std::optional<BmpImage> DecodeBmp24(std::string_view file);
