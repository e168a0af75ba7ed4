// An off-screen 24-bit picture with a device context to paint it, for the
// snapshot tool, the tests and the benchmark.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "bottom_up_rows.h"
#include "canvas.h"
#include "unique_handle.h"

class MemorySurface {
public:
  // Throws std::runtime_error when the context or the bitmap cannot be made.
  MemorySurface(std::int32_t width, std::int32_t height);
  MemorySurface(MemorySurface&&) noexcept = default;
  // Member by member, assignment would delete the old context before its
  // bitmap was deselected.
  MemorySurface& operator=(MemorySurface&&) = delete;

  HDC Dc() const { return dc_.get(); }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // Rows bottom-up, 3 bytes per pixel (blue, green, red), each row padded to 4 bytes.
  std::span<const std::uint8_t> Bits() const;
  std::int32_t Stride() const { return BottomUpStride(width_); }
  // 0x00BBGGRR of one pixel; GdiFlush first so all drawing has landed.
  Colour Pixel(std::int32_t x, std::int32_t y) const;

private:
  std::int32_t width_;
  std::int32_t height_;
  // Released in reverse order: the context gets its own bitmap back, then the
  // DIB section is deleted, then the context.
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  UniqueSelection selection_;
  void* bits_ = nullptr;
};
