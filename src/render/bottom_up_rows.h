// The layout that a DIB section and a BMP file share: 24-bit pixels (blue,
// green, red) in rows from the bottom up, each row padded to 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "picture_types.h"

inline std::int32_t BottomUpStride(std::int32_t width) { return (width * 3 + 3) & ~3; }

// Where the blue byte of the pixel (x, y) of a picture `height` rows high
// stands, y counted from the top.
inline std::size_t BottomUpOffset(std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) {
  return static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(BottomUpStride(width)) +
         3 * static_cast<std::size_t>(x);
}

// 0x00BBGGRR of the pixel (x, y).
inline Colour BottomUpPixel(std::span<const std::uint8_t> rows, std::int32_t width, std::int32_t height,
                            std::int32_t x, std::int32_t y) {
  const std::size_t at = BottomUpOffset(width, height, x, y);
  return static_cast<Colour>(rows[at + 2]) | static_cast<Colour>(rows[at + 1]) << 8 |
         static_cast<Colour>(rows[at]) << 16;
}
