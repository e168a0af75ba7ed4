// Window pixels measured in the picture's 96-DPI units.
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

}  // namespace

PictureFrame FrameAtDpi(std::int32_t pixelWidth, std::int32_t pixelHeight, std::int32_t dpiX,
                        std::int32_t dpiY) {
  return {Units(pixelWidth, dpiX), Units(pixelHeight, dpiY), std::max(pixelWidth, 0),
          std::max(pixelHeight, 0)};
}
