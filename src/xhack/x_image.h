// The picture's image in memory, laid out as the window keeps its pixels, and
// its way into the window at once: through memory shared with the X server
// where the server can share it (one request, nothing copied), else sent whole.
// Where the layout is cairo's own, cairo draws straight into it.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <cairo.h>

#include <memory>

#include "cairo_owners.h"

class WindowImage {
public:
  // For a window of `depth` whose pixels take `bitsPerPixel` each, in the
  // server's byte and bit order. With `forCairo` (a visual that keeps red,
  // green and blue in the low three bytes of 32-bit pixels of this machine's
  // order, as cairo's RGB24 image does) it has a cairo surface to draw into.
  WindowImage(Display* display, Window window, int depth, int bitsPerPixel, int width, int height, bool forCairo);
  ~WindowImage();
  WindowImage(const WindowImage&) = delete;
  WindowImage& operator=(const WindowImage&) = delete;

  cairo_surface_t* Surface() const { return surface_.get(); }  // null unless forCairo
  XImage& Image() { return image_; }
  bool HasSize(int width, int height) const { return width == image_.width && height == image_.height; }
  bool Shared() const { return shared_; }
  // Puts the image into the window and waits until the server has taken it,
  // so the next picture may be drawn into the same memory.
  void Put();

private:
  Display* display_;
  Window window_;
  GC gc_;
  XShmSegmentInfo segment_{};
  bool shared_ = false;
  std::unique_ptr<unsigned char[]> own_;  // the pixels when nothing is shared
  XImage image_{};
  CairoSurface surface_;  // declared last: gone before the memory it draws into
};
