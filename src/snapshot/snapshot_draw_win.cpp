// The Windows snapshot: GDI paints into an off-screen bitmap, and a recording
// in front of it keeps the operations with GDI's own text measurements.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "bmp_file.h"
#include "gdi_canvas.h"
#include "memory_surface.h"
#include "settings.h"
#include "snapshot_draw.h"

PictureFit FitSnapshot(const ScreenInputs& inputs, std::int32_t width, std::int32_t height, std::int32_t dpi) {
  // Texts measure by the font and the mapping, not by the bitmap: one pixel
  // is enough to measure on, whatever the picture's size.
  MemorySurface surface(1, 1);
  GdiTally tally;
  return FitPictureFrame(inputs, width, height, dpi, dpi, [&](const PictureFrame& frame) {
    return std::make_unique<GdiCanvas>(surface.Dc(), tally, frame);
  });
}

SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, const PictureFrame& frame, bool wantImage) {
  SnapshotPicture picture;
  try {
    // A 0 by 0 window still needs a bitmap of at least one pixel to draw into.
    MemorySurface surface(std::max(frame.PixelWidth, 1), std::max(frame.PixelHeight, 1));
    GdiTally tally;
    {
      GdiCanvas gdi(surface.Dc(), tally, frame);
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

// The saver's own reading of the regional formats (no registry value is read).
std::u16string SnapshotTimeSeparator() { return CurrentRegionalFormats().TimeSeparator; }
