// Drawing the picture of one moment into the hack's window.
#include "hack_painter.h"

#include <stdexcept>

#include "cairo_canvas.h"
#include "hack_options.h"
#include "recording_canvas.h"
#include "whole_file.h"

HackPainter::HackPainter(Display* display, const TargetWindow& target, const CairoFonts& fonts, int dpi,
                         Settings settings, std::optional<std::string> listFile)
    : display_(display),
      fonts_(fonts),
      dpi_(dpi),
      settings_{std::move(settings)},
      listFile_(std::move(listFile)),
      target_(target),
      width_(target.Width),
      height_(target.Height) {
  if (!SameLayoutAsCairo(display, target.VisualType, target.Depth)) {
    auto pixels = VisualPixels::For(display, target.VisualType, target.Depth, target.Colours);
    if (auto* refusal = std::get_if<std::string>(&pixels)) throw std::runtime_error(*refusal);
    pixels_ = std::move(std::get<std::unique_ptr<VisualPixels>>(pixels));
    bitsPerPixel_ = BitsPerPixel(display, target.Depth);
  }
}

void HackPainter::Resize(int width, int height) {
  width_ = width;
  height_ = height;
}

cairo_surface_t* HackPainter::Image() {
  if (!window_ || !window_->HasSize(width_, height_)) {
    window_.reset();  // its shared memory first
    window_ = std::make_unique<WindowImage>(display_, target_.Id, target_.Depth, bitsPerPixel_, width_, height_,
                                            !pixels_);
  }
  if (!pixels_) return window_->Surface();
  if (!plain_ || cairo_image_surface_get_width(plain_.get()) != width_ ||
      cairo_image_surface_get_height(plain_.get()) != height_)
    plain_.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_));
  return plain_.get();
}

void HackPainter::PutImage() {
  if (pixels_) {
    cairo_surface_flush(plain_.get());
    pixels_->Convert(cairo_image_surface_get_data(plain_.get()), cairo_image_surface_get_stride(plain_.get()),
                     window_->Image());
  }
  window_->Put();
}

void HackPainter::Paint(const ClockReading& clock) {
  if (width_ <= 0 || height_ <= 0) return;
  cairo_surface_t* image = Image();
  {
    CairoContext cr(cairo_create(image));
    CairoCanvas canvas(cr.get(), fonts_);
    // Laid out anew only for a new size: a minute's picture only draws.
    picture_.LayOut(settings_, {width_, height_, dpi_}, canvas);
    if (listFile_) {
      RecordingCanvas recording(&canvas);
      picture_.Paint(recording, clock);
      // Whole or not at all: a test never reads half a listing, nor an old one
      // it takes for this picture's.
      if (!WriteFileWhole(*listFile_, FormatOps(recording.Ops())).empty())
        throw std::runtime_error("-list: cannot write " + QuotedValue(*listFile_));
    } else {
      picture_.Paint(canvas, clock);
    }
  }
  PutImage();
}
