// A cover window's WM_PAINT: the background of the saver's picture and, with
// the star field on, new stars on every paint, through GDI.
#include <windows.h>

#include "gdi_canvas.h"
#include "paint_cover.h"
#include "paint_surface.h"
#include "screen_picture.h"
#include "star_seed.h"
#include "window_paint.h"

void PaintCover(HWND window, std::int32_t starCount) {
  PaintSurface surface(window);
  // As with the saver window: no surface, nothing to draw on.
  if (!surface.Dc()) return;
  try {
    RECT client{};
    GetClientRect(window, &client);
    RECT place{};
    GetWindowRect(window, &place);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // Covers painted in the same millisecond would otherwise show the same sky.
    const std::uint32_t seed = StarSeedOf(now) ^ (static_cast<std::uint32_t>(place.left) * 73856093u) ^
                               (static_cast<std::uint32_t>(place.top) * 19349663u);
    GdiTally tally;
    GdiCanvas canvas(surface.Dc(), tally);
    // A cover's layout is its size alone: nothing worth keeping.
    ScreenPicture picture;
    picture.Paint(canvas, CurrentPictureSettings(),
                  WindowTarget(surface.Dc(), client.right, client.bottom, PictureKind::Cover, starCount),
                  {0, seed});
  } catch (...) {
    // Out of memory: the cover stays as it was; the saver runs on.
  }
}
