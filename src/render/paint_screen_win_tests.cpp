// The saver's own paints in real windows: WM_PAINT draws the picture from the
// host and settings variables, or a cover window's background and stars, onto
// the window and leaves it validated.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>

#include "host_state.h"
#include "memory_surface.h"
#include "paint_cover.h"
#include "paint_screen.h"
#include "picture.h"
#include "settings.h"

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
    window_ = CreateWindowExW(WS_EX_TOPMOST, L"QuelloraPaintTest", L"", WS_POPUP, 0, 0, Width,
                              Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    SaverWindow = window_;
    ScreenWidth = Width;
    ScreenHeight = Height;
    IsPreview = false;
    Rus = false;
    ShowStars = true;
    UserName = u"Test";
    BirthMoment = DefaultBirthMoment;
  }

  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  // Shows the window, lets WM_PAINT run, and copies what is on the window.
  void PaintAndGrab(MemorySurface& copy) {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    const HDC dc = GetDC(window_);
    BitBlt(copy.Dc(), 0, 0, Width, Height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window_, dc);
  }

  HWND window_ = nullptr;
};

TEST_F(SaverPaint, WmPaintDrawsThePictureAndValidatesTheWindow) {
  MemorySurface copy(Width, Height);
  PaintAndGrab(copy);
  EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE)) << "the paint surface was not released";
  EXPECT_EQ(copy.Pixel(0, 0), Black);
  EXPECT_EQ(copy.Pixel(Width - 1, Height - 1), Black);
  EXPECT_EQ(copy.Pixel(1, Height / 2), BackgroundColour);
  // Ring position 0, the Liver, stands at (30, 240); its fill left of the badge.
  EXPECT_EQ(copy.Pixel(10, 240), MeridianColor[11]);
  // Whatever the time, the clock below the centre is drawn in white.
  int white = 0;
  for (int y = 245; y < 305; ++y)
    for (int x = 220; x < 420; ++x) white += copy.Pixel(x, y) == White;
  EXPECT_GT(white, 150);
}

TEST_F(SaverPaint, PreviewAndAnEmptySizeArePaintedToo) {
  IsPreview = true;
  MemorySurface copy(Width, Height);
  PaintAndGrab(copy);
  EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
  EXPECT_EQ(copy.Pixel(10, 240), BackgroundColour) << "no ring in the preview";
  int white = 0;  // the caption "Quellora" in the middle
  for (int y = 225; y < 255; ++y)
    for (int x = 270; x < 370; ++x) white += copy.Pixel(x, y) == White;
  EXPECT_GT(white, 30);

  // Before the redraw thread has measured the window the size reads 0 by 0.
  IsPreview = false;
  ScreenWidth = 0;
  ScreenHeight = 0;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
  EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
}

LRESULT CALLBACK CoverPaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintCover(window, 40);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct CoverCase {
  const char* name;
  bool stars;
};
std::ostream& operator<<(std::ostream& os, const CoverCase& c) { return os << c.name; }

class CoverPaint : public testing::TestWithParam<CoverCase> {};

TEST_P(CoverPaint, FillsTheWholeWindowWithTheBackgroundAndStarsWhenOn) {
  constexpr int Width = 500, Height = 300;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CoverPaintProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuelloraCoverPaintTest";
  RegisterClassW(&windowClass);
  // Away from the origin, as a cover on a second monitor is.
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"QuelloraCoverPaintTest", L"", WS_POPUP, 300, 200, Width,
                                      Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(window);
  ShowStars = GetParam().stars;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "the paint surface was not released";
  MemorySurface copy(Width, Height);
  const HDC dc = GetDC(window);
  BitBlt(copy.Dc(), 0, 0, Width, Height, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  DestroyWindow(window);

  int background = 0, stars = 0, other = 0;
  for (int y = 1; y < Height - 1; ++y)
    for (int x = 1; x < Width - 1; ++x) {
      const Colour p = copy.Pixel(x, y);
      if (p == BackgroundColour) ++background;
      else if (p == StarColour) ++stars;
      else ++other;
    }
  EXPECT_EQ(copy.Pixel(0, 0), Black);
  EXPECT_EQ(copy.Pixel(Width - 1, Height - 1), Black);
  if (GetParam().stars) {
    // Forty stars of a few pixels each, some possibly overlapping.
    EXPECT_GT(stars, 40);
    EXPECT_LT(stars + other, 40 * 60);
  } else {
    EXPECT_EQ(stars + other, 0) << "nothing but the background without stars";
  }
  EXPECT_GT(background, (Width - 2) * (Height - 2) * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(SaverPaint, CoverPaint,
                         testing::Values(CoverCase{"StarsOn", true}, CoverCase{"StarsOff", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
