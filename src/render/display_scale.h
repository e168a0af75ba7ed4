// How the picture, drawn in units of a 96-DPI display, fills a window on a
// display of any scale: the window's pixels measured in those units.
#pragma once

#include <cstdint>

inline constexpr std::int32_t BaseDpi = 96;

struct PictureFrame {
  std::int32_t Width = 0;  // the picture's size in 96-DPI units
  std::int32_t Height = 0;
  std::int32_t PixelWidth = 0;  // the window's size in pixels
  std::int32_t PixelHeight = 0;

  // False at 96 DPI, where a unit is a pixel and nothing is scaled, and for an
  // empty window, which has nothing to scale.
  bool Scaled() const {
    return (Width != PixelWidth || Height != PixelHeight) && Width > 0 && Height > 0 &&
           PixelWidth > 0 && PixelHeight > 0;
  }
};

// A window of the given pixels on a display of the given dots per inch. Each
// size is rounded to the nearest unit, so the drawing routine's rectangle of
// the picture's size reaches every edge pixel once the canvas maps that size
// onto the window. A DPI of 0 or less (unreadable) counts as 96; a window of
// at least one pixel is at least one unit.
PictureFrame FrameAtDpi(std::int32_t pixelWidth, std::int32_t pixelHeight, std::int32_t dpiX,
                        std::int32_t dpiY);
