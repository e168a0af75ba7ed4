// The saver's WM_PAINT: opens the paint surface of SaverWindow, reads the local
// clock once, and draws the picture through GDI from the settings and the
// host's window size, at the display's scale or as much of it as fits.
#include <windows.h>

#include "gdi_canvas.h"
#include "host_state.h"
#include "paint_screen.h"
#include "paint_surface.h"
#include "screen_picture.h"
#include "star_seed.h"
#include "startup_marks.h"
#include "window_paint.h"

namespace {

TDateTime FromSystemTime(const SYSTEMTIME& t) {
  return ComposeDateTime(EncodeDate(t.wYear, t.wMonth, t.wDay),
                         EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds));
}

}  // namespace

void PaintScreen() {
  PaintSurface surface(SaverWindow);
  // A null surface most likely means the process hit the GDI object limit;
  // there is nothing to draw on, and EndPaint still runs.
  if (!surface.Dc()) return;
  try {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // The saver window's picture stays laid out from paint to paint (main
    // thread only): a minute's repaint only draws.
    static ScreenPicture picture;
    GdiTally tally;
    GdiCanvas canvas(surface.Dc(), tally);
    picture.LayOut(CurrentPictureSettings(),
                   WindowTarget(surface.Dc(), ScreenWidth.load(), ScreenHeight.load(),
                                IsPreview ? PictureKind::Preview : PictureKind::Saver),
                   canvas);
    MarkStartup(StartupStep::Layout);
    picture.Paint(canvas, {FromSystemTime(now), StarSeedOf(now)});
  } catch (...) {
    // Out of memory while building a text: the picture stays as far as it got.
    // A screen saver must not crash over a paint.
  }
}
