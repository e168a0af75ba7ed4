// A cover window's WM_PAINT: the background of the saver's picture and, with
// the star field on, new stars on every paint, through GDI at the display's scale.
#include <windows.h>

#include "cover_picture.h"
#include "gdi_canvas.h"
#include "paint_cover.h"
#include "paint_surface.h"
#include "settings.h"
#include "star_seed.h"
#include "window_paint.h"

void PaintCover(HWND window, std::int32_t starCount) {
  PaintSurface surface(window);
  // As with the saver window: no surface, nothing to draw on.
  if (!surface.Dc()) return;
  RECT client{};
  GetClientRect(window, &client);
  RECT place{};
  GetWindowRect(window, &place);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const PictureFrame frame = FrameOnDisplay(surface.Dc(), client.right, client.bottom);
  CoverInputs inputs;
  inputs.Width = frame.Width;
  inputs.Height = frame.Height;
  inputs.ShowStars = ShowStars;
  inputs.StarCount = starCount;
  // Covers painted in the same millisecond would otherwise show the same sky.
  inputs.StarSeed = StarSeedOf(now) ^ (static_cast<std::uint32_t>(place.left) * 73856093u) ^
                    (static_cast<std::uint32_t>(place.top) * 19349663u);
  GdiTally tally;
  GdiCanvas canvas(surface.Dc(), tally, frame);
  PaintCover(canvas, inputs);
}
