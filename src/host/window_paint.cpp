// The settings and the display's scale, read for the saver's window paints.
#include "window_paint.h"

#include "settings.h"

PictureSettings CurrentPictureSettings() { return {LoadedSettings(), CurrentRegionalFormats().TimeSeparator}; }

PictureTarget WindowTarget(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight, PictureKind kind,
                           std::int32_t stars) {
  return {pixelWidth, pixelHeight, GetDeviceCaps(dc, LOGPIXELSY), kind, stars};
}
