// What the paints of the saver's windows share: the paint surface of a window,
// the display's scale read from it (and the picture's fit to it), and the seed
// of a paint's stars.
#pragma once

#include <windows.h>

#include <cstdint>

#include "display_scale.h"
#include "gdi_objects.h"
#include "picture.h"

// BeginPaint and EndPaint as one object, so the surface is released however
// the drawing ends. A canvas lives inside it and gives back its objects first.
class PaintSurface {
public:
  explicit PaintSurface(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintSurface() { EndPaint(window_, &paint_); }
  PaintSurface(const PaintSurface&) = delete;
  PaintSurface& operator=(const PaintSurface&) = delete;

  HDC Dc() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A window of the given pixels at the scale of the display dc draws on. The
// program declares itself DPI-aware, so the system hands it the real DPI and
// does not stretch its windows: the picture scales itself.
PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight);

// The frame the saver's picture is drawn in on a window of the given pixels:
// the display's scale where the whole picture fits, else the largest scale at
// which it does; its texts measured on dc itself, each candidate's fonts
// counted in tally. inputs' Width and Height are not read.
PictureFrame FitOnDisplay(HDC dc, const ScreenInputs& inputs, std::int32_t pixelWidth, std::int32_t pixelHeight,
                          GdiTally& tally);

// Different on every paint: the reading's milliseconds since the start of the year 1601.
std::uint32_t StarSeedOf(const SYSTEMTIME& time);
