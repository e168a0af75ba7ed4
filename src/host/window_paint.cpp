// The display's scale and the star seed of the saver's window paints.
#include "window_paint.h"

PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight) {
  return FrameAtDpi(pixelWidth, pixelHeight, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
}

std::uint32_t StarSeedOf(const SYSTEMTIME& time) {
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  return static_cast<std::uint32_t>(ticks.QuadPart / 10000);
}
