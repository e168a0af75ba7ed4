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
#include "x_pixels.h"
#include "x_target.h"

class HackPainter {
public:
  // The display, the window and the fonts must outlive the painter. Throws
  // std::runtime_error, with the one line that names it, on a visual the hack
  // cannot draw on.
  HackPainter(Display* display, const TargetWindow& target, const CairoFonts& fonts, int dpi, Settings settings,
              std::optional<std::string> listFile);

  void Resize(int width, int height);
  bool HasSize(int width, int height) const { return width == width_ && height == height_; }
  // The picture of the reading; nothing for a window of no pixels. Throws
  // std::runtime_error, with the one line that names it, when the listing
  // cannot be written (the picture is then not shown).
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
  // green and blue in the low three bytes: nearly every display today), cairo
  // draws straight into the window's image. On any other visual it draws into
  // a plain image whose colours pixels_ writes into the window's image.
  std::unique_ptr<WindowImage> window_;
  std::unique_ptr<VisualPixels> pixels_;  // null where cairo draws straight
  CairoSurface plain_;
  int bitsPerPixel_ = 32;
};
