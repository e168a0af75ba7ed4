// Drawing the picture of one moment into the hack's window.
#include "hack_painter.h"

#include <cairo-xlib.h>

#include <cstdio>
#include <fstream>

#include "cairo_canvas.h"
#include "display_scale.h"
#include "picture.h"
#include "recording_canvas.h"

namespace {

// The picture's frame for a window of these pixels on a display of this
// scale: the one place the hack decides how the picture fits its window.
PictureFrame HackFrame(int width, int height, int dpi) { return FrameAtDpi(width, height, dpi, dpi); }

// Whole or not at all: a reader never finds half a listing.
void WriteListing(const std::string& file, const std::string& text) {
  const std::string part = file + ".part";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return;
  }
  std::rename(part.c_str(), file.c_str());
}

}  // namespace

HackPainter::HackPainter(Display* display, const TargetWindow& target, const CairoFonts& fonts,
                         int dpi, Settings settings, std::optional<std::string> listFile)
    : display_(display),
      fonts_(fonts),
      dpi_(dpi),
      settings_(std::move(settings)),
      listFile_(std::move(listFile)),
      width_(target.Width),
      height_(target.Height),
      window_(cairo_xlib_surface_create(display, target.Id, target.VisualType, target.Width,
                                        target.Height)) {}

void HackPainter::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  cairo_xlib_surface_set_size(window_.get(), width, height);
}

void HackPainter::Paint(const ClockReading& clock) {
  if (width_ <= 0 || height_ <= 0) return;
  if (!image_ || cairo_image_surface_get_width(image_.get()) != width_ ||
      cairo_image_surface_get_height(image_.get()) != height_)
    image_.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_));

  const PictureFrame frame = HackFrame(width_, height_, dpi_);
  ScreenInputs inputs;
  inputs.Width = frame.Width;
  inputs.Height = frame.Height;
  inputs.Rus = settings_.Rus;
  inputs.ShowStars = settings_.ShowStars;
  inputs.UserName = settings_.UserName;
  inputs.BirthMoment = settings_.BirthMoment;
  inputs.Now = clock.Now;
  inputs.StarSeed = clock.StarSeed;

  {
    CairoContext cr(cairo_create(image_.get()));
    CairoCanvas canvas(cr.get(), fonts_, frame);
    if (listFile_) {
      RecordingCanvas recording(&canvas);
      PaintScreen(recording, inputs);
      WriteListing(*listFile_, FormatOps(recording.Ops()));
    } else {
      PaintScreen(canvas, inputs);
    }
  }
  cairo_surface_flush(image_.get());

  CairoContext cr(cairo_create(window_.get()));
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), image_.get(), 0, 0);
  cairo_paint(cr.get());
  cairo_surface_flush(window_.get());
  XFlush(display_);
}
