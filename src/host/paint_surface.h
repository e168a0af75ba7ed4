// The paint surface of a window: BeginPaint and EndPaint as one object, for
// the WM_PAINT of the saver window and of the cover windows.
#pragma once

#include <windows.h>

// Releases the surface however the drawing ends. A canvas lives inside it and
// gives back its objects first.
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
