// The saver's own paint in a real window: WM_PAINT draws the picture from the
// host and settings variables onto the window, fitted to it, and leaves it validated.
#include <windows.h>

#include <gtest/gtest.h>

#include "gdi_canvas.h"
#include "host_state.h"
#include "memory_surface.h"
#include "paint_screen.h"
#include "picture.h"
#include "settings.h"
#include "window_paint.h"
#include "unique_handle.h"

namespace {

LRESULT CALLBACK PaintOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintScreen();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class SaverPaint : public testing::Test {
protected:
  static constexpr int Width = 640;
  static constexpr int Height = 480;

  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PaintOnlyProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuelloraPaintTest";
    RegisterClassW(&windowClass);
    window_ = UniqueWindow(CreateWindowExW(WS_EX_TOPMOST, L"QuelloraPaintTest", L"", WS_POPUP, 0, 0,
                                           Width, Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window_.get());
    SaverWindow = window_.get();
    ScreenWidth = Width;
    ScreenHeight = Height;
    IsPreview = false;
    Rus = false;
    ShowStars = true;
    UserName = u"Test";
    BirthMoment = DefaultBirthMoment;
  }

  // Shows the window, lets WM_PAINT run, and copies what is on the window.
  void PaintAndGrab(MemorySurface& copy) {
    ShowWindow(window_.get(), SW_SHOW);
    UpdateWindow(window_.get());
    const UniqueWindowDc dc = GetWindowDc(window_.get());
    BitBlt(copy.Dc(), 0, 0, Width, Height, dc.get(), 0, 0, SRCCOPY);
  }

  UniqueWindow window_;
};

// The window is smaller than the picture at 96 DPI: the paint draws it at the
// scale at which it fits, so the discs at the ring's left, right and top and the
// clock are all on the window, where the fit for these settings puts them.
TEST_F(SaverPaint, WmPaintDrawsTheFittedPictureAndValidatesTheWindow) {
  MemorySurface copy(Width, Height);
  PaintAndGrab(copy);
  EXPECT_FALSE(GetUpdateRect(window_.get(), nullptr, FALSE)) << "the paint surface was not released";
  EXPECT_EQ(copy.Pixel(0, 0), Black);
  EXPECT_EQ(copy.Pixel(Width - 1, Height - 1), Black);
  EXPECT_EQ(copy.Pixel(1, Height / 2), BackgroundColour);

  // The layout the saver's paint makes of these settings for this window.
  MemorySurface measuring(1, 1);
  GdiTally tally;
  GdiCanvas canvas(measuring.Dc(), tally);
  const PictureLayout layout = LayOutPicture(CurrentPictureSettings(),
                                             WindowTarget(measuring.Dc(), Width, Height, PictureKind::Saver), canvas);
  ASSERT_LT(layout.Dpi, BaseDpi) << "the picture fits the window at 96 DPI: the test needs a smaller window";
  // Each disc's fill beside its centre, clear of its badge and code.
  for (const int position : {0, 6, 9}) {
    const RingPlace& disc = layout.Ring[position];
    const Point fill{disc.Centre.X - (disc.Disc.Right - disc.Disc.Left) * 2 / 5, disc.Centre.Y};
    EXPECT_EQ(copy.Pixel(fill.X, fill.Y), MeridianColor[TableIndexOfRing(position)])
        << "position " << position << " at " << fill.X << "," << fill.Y;
  }
  // Whatever the time, the clock below the centre is drawn in white.
  const Box clock = layout.ClockRoom;
  int white = 0;
  for (int y = clock.Top; y < clock.Bottom; ++y)
    for (int x = clock.Left; x < clock.Right; ++x) white += copy.Pixel(x, y) == White;
  EXPECT_GT(white, 100);
}

TEST_F(SaverPaint, PreviewAndAnEmptySizeArePaintedToo) {
  IsPreview = true;
  MemorySurface copy(Width, Height);
  PaintAndGrab(copy);
  EXPECT_FALSE(GetUpdateRect(window_.get(), nullptr, FALSE));
  EXPECT_EQ(copy.Pixel(10, 240), BackgroundColour) << "no ring in the preview";
  int white = 0;  // the caption "Quellora" in the middle
  for (int y = 225; y < 255; ++y)
    for (int x = 270; x < 370; ++x) white += copy.Pixel(x, y) == White;
  EXPECT_GT(white, 30);

  // Before the redraw thread has measured the window the size reads 0 by 0.
  IsPreview = false;
  ScreenWidth = 0;
  ScreenHeight = 0;
  InvalidateRect(window_.get(), nullptr, FALSE);
  UpdateWindow(window_.get());
  EXPECT_FALSE(GetUpdateRect(window_.get(), nullptr, FALSE));
}

}  // namespace
