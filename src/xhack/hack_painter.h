// One picture of the hack: the inputs read once, the whole picture drawn by
// cairo into an image in memory, then put into the window at once, so the
// window never shows half a picture (nor a cleared one while it is drawn).
#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>

#include "cairo_fonts.h"
#include "cairo_owners.h"
#include "hack_clock.h"
#include "screen_picture.h"
#include "settings.h"
#include "x_image.h"
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
  // The image of the window's size to draw into (kept between pictures of
  // one size: only its memory, never its picture).
  cairo_surface_t* Image();
  void PutImage();

  Display* display_;
  const CairoFonts& fonts_;
  int dpi_;
  PictureSettings settings_;  // the time separator is ":", as in the listings
  ScreenPicture picture_;
  std::optional<std::string> listFile_;
  TargetWindow target_;
  int width_ = 0, height_ = 0;
  // Where the window keeps its pixels as cairo's image does (32 bits, red,
  // green and blue in the low three bytes: nearly every display today), the
  // image is made in the window's own layout. Any other visual gets a plain
  // image that cairo's Xlib surface converts on the way.
  std::unique_ptr<WindowImage> direct_;
  CairoSurface converting_;
  CairoSurface plain_;
};
