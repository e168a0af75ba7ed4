// The display's scale of the saver's window paints.
#include "window_paint.h"

PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight) {
  return FrameAtDpi(pixelWidth, pixelHeight, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
}
