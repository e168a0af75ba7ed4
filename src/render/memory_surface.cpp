// A DIB section selected into a memory context.
#include "memory_surface.h"

#include <stdexcept>

#include "bottom_up_rows.h"

MemorySurface::MemorySurface(std::int32_t width, std::int32_t height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) throw std::runtime_error("CreateCompatibleDC failed");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up, as a BMP file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_ = UniqueBitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!bitmap_) throw std::runtime_error("CreateDIBSection failed");
  selection_ = SelectInto(dc_.get(), bitmap_.get());
}

std::span<const std::uint8_t> MemorySurface::Bits() const {
  GdiFlush();
  return {static_cast<const std::uint8_t*>(bits_),
          static_cast<std::size_t>(Stride()) * static_cast<std::size_t>(height_)};
}

Colour MemorySurface::Pixel(std::int32_t x, std::int32_t y) const {
  return BottomUpPixel(Bits(), width_, height_, x, y);
}
