// How the picture, designed in units of a 96-DPI display, fills a window of any
// size on a display of any scale: the window's pixels measured in those units,
// the one rule that turns units into pixels, and the scale a screen asks for.
#pragma once

#include <cstdint>

#include "picture_types.h"

inline constexpr std::int32_t BaseDpi = 96;

// The screen the picture's look is made for: larger screens draw it larger.
inline constexpr std::int32_t DesignWidth = 1920;
inline constexpr std::int32_t DesignHeight = 1080;

struct PictureFrame {
  std::int32_t Width = 0;  // the picture's size in 96-DPI units
  std::int32_t Height = 0;
  std::int32_t PixelWidth = 0;  // the window's size in pixels
  std::int32_t PixelHeight = 0;

  // False at 96 DPI, where a unit is a pixel and nothing is scaled, and for an
  // empty window, which has nothing to scale.
  bool Scaled() const {
    return (Width != PixelWidth || Height != PixelHeight) && Width > 0 && Height > 0 && PixelWidth > 0 &&
           PixelHeight > 0;
  }

  // The pixel of a coordinate in units: the nearest, halves up, as a mapping
  // mode would place it. Every shape, every
  // anchor of a text and the picture's own rectangle go through these, so the
  // rectangle of the picture's size ends on the window's last pixel.
  std::int32_t X(std::int32_t units) const;
  std::int32_t Y(std::int32_t units) const;
  Point At(Point units) const { return {X(units.X), Y(units.Y)}; }
  Box Of(const Box& units) const { return {X(units.Left), Y(units.Top), X(units.Right), Y(units.Bottom)}; }
  // A font's cell height in pixels: the scaled height cut toward zero, at
  // least one pixel.
  std::int32_t FontHeight(std::int32_t units) const;
  // A pen's width in pixels: the nearest, at least one.
  std::int32_t PenWidth(std::int32_t units) const;
};

// A window of the given pixels on a display of the given dots per inch. Each
// size is rounded to the nearest unit, so the drawing routine's rectangle of
// the picture's size reaches every edge pixel. A DPI of 0 or less
// (unreadable) counts as 96; a window of at least one pixel is at least one unit.
PictureFrame FrameAtDpi(std::int32_t pixelWidth, std::int32_t pixelHeight, std::int32_t dpiX, std::int32_t dpiY);

// The display's scale as the picture takes it: unreadable or below 96 DPI
// counts as 96 (no desktop offers less, and less makes the picture unreadable).
std::int32_t DisplayDpi(std::int32_t dpi);

// The scale a screen of these pixels asks for, as a DPI: the display's, grown
// on screens larger than 1920x1080 by the smaller of width/1920 and
// height/1080, so a large screen shows the picture as 1920x1080 does. The
// picture is drawn at this scale unless it does not fit.
std::int32_t ScreenDpi(std::int32_t displayDpi, std::int32_t pixelWidth, std::int32_t pixelHeight);
