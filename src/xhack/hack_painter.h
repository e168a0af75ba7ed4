// One picture of the hack: the inputs read once, the whole picture drawn by
// cairo into an image in memory, then put into the window in one request, so
// the window never shows half a picture.
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

#include "cairo_fonts.h"
#include "cairo_owners.h"
#include "hack_clock.h"
#include "settings.h"
#include "x_target.h"

class HackPainter {
public:
  // The display, the window and the fonts must outlive the painter.
  HackPainter(Display* display, const TargetWindow& target, const CairoFonts& fonts, int dpi,
              Settings settings, std::optional<std::string> listFile);

  void Resize(int width, int height);
  bool HasSize(int width, int height) const { return width == width_ && height == height_; }
  // The picture of the reading; nothing for a window of no pixels.
  void Paint(const ClockReading& clock);

private:
  Display* display_;
  const CairoFonts& fonts_;
  int dpi_;
  Settings settings_;
  std::optional<std::string> listFile_;
  int width_ = 0, height_ = 0;
  CairoSurface window_;
  CairoSurface image_;  // kept between pictures of one size: only its memory, never its picture
};
