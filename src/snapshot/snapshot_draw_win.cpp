// The Windows snapshot: GDI paints into an off-screen bitmap, and a recording
// in front of it keeps the operations.
#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "bmp_file.h"
#include "gdi_canvas.h"
#include "memory_surface.h"
#include "screen_picture.h"
#include "settings.h"
#include "snapshot_draw.h"

SnapshotPicture DrawSnapshot(const PictureSettings& settings, const PictureTarget& target,
                             const ClockReading& clock, bool wantImage) {
  SnapshotPicture picture;
  try {
    // A 0 by 0 window still needs a bitmap of at least one pixel to draw into.
    MemorySurface surface(std::max(target.PixelWidth, 1), std::max(target.PixelHeight, 1));
    GdiTally tally;
    {
      GdiCanvas gdi(surface.Dc(), tally);
      ScreenPicture screen;
      screen.LayOut(settings, target, gdi);
      RecordingCanvas canvas(&gdi);
      screen.Paint(canvas, clock);
      picture.Ops = canvas.Ops();
    }
    if (tally.Created != tally.Deleted || tally.CreateFailures || tally.DeleteFailures || tally.SelectFailures)
      picture.Fault = "GDI objects were not made, selected or deleted as they should be";
    if (wantImage) picture.Bmp = EncodeBmp24(surface.Width(), surface.Height(), surface.Bits());
  } catch (const std::runtime_error& error) {
    picture.Fault = error.what();
  }
  return picture;
}

// The saver's own reading of the regional formats (no registry value is read).
std::u16string SnapshotTimeSeparator() { return CurrentRegionalFormats().TimeSeparator; }
