// The native snapshot: measured and drawn by the cairo canvas with the hack's
// fonts, so its listing is the one the hack and, with the same font files,
// the Windows saver give.
#include "snapshot_draw.h"

#include <stdexcept>

#include "cairo_canvas.h"
#include "screen_picture.h"

SnapshotPicture DrawSnapshot(const PictureSettings& settings, const PictureTarget& target,
                             const ClockReading& clock, bool /*wantImage*/) {
  SnapshotPicture picture;
  try {
    const CairoFonts fonts;
    // Texts measure by the font, not by the surface: one pixel is enough to
    // draw on, whatever the picture's size.
    const auto canvas = CairoCanvas::ForMeasuring(fonts);
    ScreenPicture screen;
    screen.LayOut(settings, target, *canvas);
    RecordingCanvas recording(canvas.get());
    screen.Paint(recording, clock);
    picture.Ops = recording.Ops();
  } catch (const std::runtime_error& error) {
    picture.Fault = error.what();
  }
  return picture;
}

std::u16string SnapshotTimeSeparator() { return u":"; }
