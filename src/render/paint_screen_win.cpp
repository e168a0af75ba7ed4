// The saver's WM_PAINT: opens the paint surface of SaverWindow, reads the local
// clock once, and draws the picture through GDI from the settings and the
// host's window size.
#include <windows.h>

#include "gdi_canvas.h"
#include "host_state.h"
#include "paint_screen.h"
#include "picture.h"
#include "settings.h"

namespace {

// BeginPaint and EndPaint as one object, so the surface is released however
// the drawing ends. The canvas lives inside it and gives back its objects first.
class PaintSurface {
public:
  explicit PaintSurface(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintSurface() { EndPaint(window_, &paint_); }
  PaintSurface(const PaintSurface&) = delete;
  PaintSurface& operator=(const PaintSurface&) = delete;

  HDC Dc() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

TDateTime FromSystemTime(const SYSTEMTIME& t) {
  return ComposeDateTime(EncodeDate(t.wYear, t.wMonth, t.wDay),
                         EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds));
}

// Different on every paint: the reading's milliseconds since the start of the year 1601.
std::uint32_t StarSeedOf(const SYSTEMTIME& t) {
  FILETIME file{};
  SystemTimeToFileTime(&t, &file);
  ULARGE_INTEGER ticks{};
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  return static_cast<std::uint32_t>(ticks.QuadPart / 10000);
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
    ScreenInputs inputs;
    inputs.Width = ScreenWidth.load();
    inputs.Height = ScreenHeight.load();
    inputs.IsPreview = IsPreview;
    inputs.Rus = Rus;
    inputs.ShowStars = ShowStars;
    inputs.UserName = UserName;
    inputs.BirthMoment = BirthMoment;
    inputs.Now = FromSystemTime(now);
    inputs.TimeSeparator = CurrentRegionalFormats().TimeSeparator;
    inputs.StarSeed = StarSeedOf(now);
    GdiTally tally;
    GdiCanvas canvas(surface.Dc(), tally);
    PaintScreen(canvas, inputs);
  } catch (...) {
    // Out of memory while building a text: the picture stays as far as it got.
    // A screen saver must not crash over a paint.
  }
}
