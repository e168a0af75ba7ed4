// The saver's own paint in a real window: WM_PAINT draws the picture from the
// host and settings variables onto the window, fitted to it, and leaves it validated.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "dial_geometry.h"
#include "gdi_canvas.h"
#include "host_state.h"
#include "memory_surface.h"
#include "paint_screen.h"
#include "picture.h"
#include "picture_fit.h"
#include "settings.h"
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

  ScreenInputs inputs;
  inputs.UserName = UserName;
  inputs.BirthMoment = BirthMoment;
  MemorySurface measuring(1, 1);
  GdiTally tally;
  const PictureFit fit = FitPictureFrame(inputs, Width, Height, BaseDpi, BaseDpi, [&](const PictureFrame& frame) {
    return std::make_unique<GdiCanvas>(measuring.Dc(), tally, frame);
  });
  ASSERT_LT(fit.Dpi, BaseDpi) << "the picture fits the window at 96 DPI: the test needs a smaller window";
  const auto pixel = [&](Point unit) {
    return Point{unit.X * Width / fit.Frame.Width, unit.Y * Height / fit.Frame.Height};
  };
  const Point c = DialCentre(fit.Frame.Width, fit.Frame.Height);
  // Each disc's fill 20 units beside its centre, clear of its badge and code.
  for (const int position : {0, 6, 9}) {
    const Point disc = HourPoint(c, position, 12, RingRadius);
    const Point fill = pixel({disc.X - 20, disc.Y});
    EXPECT_EQ(copy.Pixel(fill.X, fill.Y), MeridianColor[TableIndexOfRing(position)])
        << "position " << position << " at " << fill.X << "," << fill.Y;
  }
  // Whatever the time, the clock below the centre is drawn in white.
  const Point from = pixel({c.X - 100, c.Y + 5}), to = pixel({c.X + 100, c.Y + 65});
  int white = 0;
  for (int y = from.Y; y < to.Y; ++y)
    for (int x = from.X; x < to.X; ++x) white += copy.Pixel(x, y) == White;
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
