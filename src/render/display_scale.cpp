// Window pixels measured in the picture's 96-DPI units, and back.
#include "display_scale.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int32_t Units(std::int32_t pixels, std::int32_t dpi) {
  if (pixels <= 0) return std::max(pixels, 0);
  if (dpi <= 0) dpi = BaseDpi;
  // In 64 bits, and bounded: below 96 DPI a side grows in units.
  const std::int64_t units = (std::int64_t{pixels} * BaseDpi + dpi / 2) / dpi;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(units, 1, INT32_MAX));
}

// value * numerator / denominator to the nearest whole, halves up (toward
// the right and the bottom), as GDI rounds a mapped coordinate.
std::int32_t MulRound(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
  if (denominator <= 0 || numerator == denominator) return value;
  const std::int64_t top = std::int64_t{value} * numerator * 2 + denominator;
  const std::int64_t bottom = 2 * std::int64_t{denominator};
  const std::int64_t floor = top / bottom - (top % bottom < 0 ? 1 : 0);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(floor, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int32_t PictureFrame::X(std::int32_t units) const { return MulRound(units, PixelWidth, Width); }
std::int32_t PictureFrame::Y(std::int32_t units) const { return MulRound(units, PixelHeight, Height); }

std::int32_t PictureFrame::FontHeight(std::int32_t units) const {
  if (Height <= 0 || PixelHeight == Height) return units;
  return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::int64_t{units} * PixelHeight / Height));
}

std::int32_t PictureFrame::PenWidth(std::int32_t units) const { return std::max(1, Y(units)); }

PictureFrame FrameAtDpi(std::int32_t pixelWidth, std::int32_t pixelHeight, std::int32_t dpiX, std::int32_t dpiY) {
  return {Units(pixelWidth, dpiX), Units(pixelHeight, dpiY), std::max(pixelWidth, 0), std::max(pixelHeight, 0)};
}

std::int32_t DisplayDpi(std::int32_t dpi) { return std::max(dpi, BaseDpi); }

std::int32_t ScreenDpi(std::int32_t displayDpi, std::int32_t pixelWidth, std::int32_t pixelHeight) {
  const std::int32_t dpi = DisplayDpi(displayDpi);
  // The smaller growth of the two sides, as a fraction compared in 64 bits:
  // width/1920 against height/1080.
  const bool byWidth = std::int64_t{pixelWidth} * DesignHeight <= std::int64_t{pixelHeight} * DesignWidth;
  const std::int64_t num = byWidth ? pixelWidth : pixelHeight;
  const std::int64_t den = byWidth ? DesignWidth : DesignHeight;
  if (num <= den) return dpi;
  const std::int64_t grown = (dpi * num + den / 2) / den;
  return static_cast<std::int32_t>(std::min<std::int64_t>(grown, INT32_MAX));
}
