// The Windows snapshot: GDI paints into an off-screen bitmap, and a recording
// in front of it keeps the operations with GDI's own text measurements.
#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "bmp_file.h"
#include "gdi_canvas.h"
#include "memory_surface.h"
#include "snapshot_draw.h"

SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, bool wantImage) {
  SnapshotPicture picture;
  try {
    // A 0 by 0 window still needs a bitmap of at least one pixel to draw into.
    MemorySurface surface(std::max(inputs.Width, 1), std::max(inputs.Height, 1));
    GdiTally tally;
    {
      GdiCanvas gdi(surface.Dc(), tally);
      RecordingCanvas canvas(&gdi);
      PaintScreen(canvas, inputs);
      picture.Ops = canvas.Ops();
    }
    if (tally.Created != tally.Deleted || tally.CreateFailures || tally.DeleteFailures ||
        tally.SelectFailures)
      picture.Fault = "GDI objects were not made, selected or deleted as they should be";
    if (wantImage) picture.Bmp = EncodeBmp24(surface.Width(), surface.Height(), surface.Bits());
  } catch (const std::runtime_error& error) {
    picture.Fault = error.what();
  }
  return picture;
}

std::u16string SnapshotTimeSeparator() {
  wchar_t buffer[16] = {};
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, buffer, 16);
  if (length <= 1) return u":";
  return {reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(length - 1)};
}
