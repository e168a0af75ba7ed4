// Drawing the picture of one moment into the hack's window.
#include "hack_painter.h"

#include <cairo-xlib.h>

#include "atomic_file.h"
#include "cairo_canvas.h"
#include "recording_canvas.h"

namespace {

// Whether the window keeps a pixel in 32 bits with red, green and blue in the
// low three bytes, as cairo's RGB24 image does.
bool SameLayoutAsImage(Display* display, Visual* visual, int depth) {
  if (visual->c_class != TrueColor || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
      visual->blue_mask != 0xFF || (depth != 24 && depth != 32))
    return false;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  bool found = false;
  for (int i = 0; i < count; ++i)
    found = found || (formats[i].depth == depth && formats[i].bits_per_pixel == 32);
  if (formats) XFree(formats);
  return found;
}

}  // namespace

HackPainter::HackPainter(Display* display, const TargetWindow& target, const CairoFonts& fonts,
                         int dpi, Settings settings, std::optional<std::string> listFile)
    : display_(display),
      fonts_(fonts),
      dpi_(dpi),
      settings_{std::move(settings)},
      listFile_(std::move(listFile)),
      target_(target),
      width_(target.Width),
      height_(target.Height) {
  if (!SameLayoutAsImage(display, target.VisualType, target.Depth))
    converting_.reset(cairo_xlib_surface_create(display, target.Id, target.VisualType, target.Width,
                                                target.Height));
}

void HackPainter::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  if (converting_) cairo_xlib_surface_set_size(converting_.get(), width, height);
}

cairo_surface_t* HackPainter::Image() {
  if (converting_) {
    if (!plain_ || cairo_image_surface_get_width(plain_.get()) != width_ ||
        cairo_image_surface_get_height(plain_.get()) != height_)
      plain_.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_));
    return plain_.get();
  }
  if (!direct_ || !direct_->HasSize(width_, height_)) {
    direct_.reset();  // its shared memory first
    direct_ = std::make_unique<WindowImage>(display_, target_.Id, target_.Depth, width_, height_);
  }
  return direct_->Surface();
}

void HackPainter::PutImage() {
  if (!converting_) {
    direct_->Put();
    return;
  }
  cairo_surface_flush(plain_.get());
  CairoContext cr(cairo_create(converting_.get()));
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr.get(), plain_.get(), 0, 0);
  cairo_paint(cr.get());
  cairo_surface_flush(converting_.get());
  XFlush(display_);
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
      // Whole or not at all: a test never reads half a listing.
      WriteFileWhole(*listFile_, FormatOps(recording.Ops()));
    } else {
      picture_.Paint(canvas, clock);
    }
  }
  PutImage();
}
