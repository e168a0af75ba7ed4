// The saver's own paint in a real window: WM_PAINT draws the picture from the
// host and settings variables onto the window, fitted to it, and leaves it validated.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "host_state.h"
#include "memory_surface.h"
#include "paint_screen.h"
#include "picture.h"
#include "settings.h"
#include "test_window.h"
#include "unique_handle.h"

namespace {

LRESULT CALLBACK PaintOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintScreen();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The box of the places where a square of Side by Side pixels holds nothing but
// colour: a disc's fill, where the texts (strokes of a pixel or two at this
// size) and the arcs (3 pixels wide) have none. Nothing where there is none.
std::optional<Box> SolidBox(const MemorySurface& image, Colour colour) {
  constexpr int Side = 5;
  const int w = image.Width(), h = image.Height();
  // How many pixels of the colour run from each pixel to the right.
  std::vector<int> run(static_cast<std::size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = w - 1; x >= 0; --x)
      if (image.Pixel(x, y) == colour) run[y * w + x] = 1 + (x + 1 < w ? run[y * w + x + 1] : 0);
  std::optional<Box> box;
  for (int y = 0; y + Side <= h; ++y)
    for (int x = 0; x < w; ++x) {
      bool solid = true;
      for (int row = y; row < y + Side && solid; ++row) solid = run[row * w + x] >= Side;
      if (!solid) continue;
      if (!box) box = Box{x, y, x + Side, y + Side};
      box->Left = std::min(box->Left, x);
      box->Top = std::min(box->Top, y);
      box->Right = std::max(box->Right, x + Side);
      box->Bottom = std::max(box->Bottom, y + Side);
    }
  return box;
}

class SaverPaint : public testing::Test {
protected:
  static constexpr int Width = 640;
  static constexpr int Height = 480;

  void SetUp() override {
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

  TestWindow window_{Width, Height, PaintOnlyProc};
};

// The window is smaller than the picture at 96 DPI (the ring alone is 630
// units high): the paint draws it at a scale at which it fits, so the discs at
// the ring's left, bottom, right and top are all on the window, each found by
// its own colour, round the window's centre. No layout is asked where they are.
TEST_F(SaverPaint, WmPaintDrawsTheFittedPictureAndValidatesTheWindow) {
  MemorySurface copy(Width, Height);
  PaintAndGrab(copy);
  EXPECT_FALSE(GetUpdateRect(window_.get(), nullptr, FALSE)) << "the paint surface was not released";
  EXPECT_EQ(copy.Pixel(0, 0), Black);
  EXPECT_EQ(copy.Pixel(Width - 1, Height - 1), Black);
  EXPECT_EQ(copy.Pixel(1, Height / 2), BackgroundColour);

  const struct {
    const char* Where;
    int Position;
  } discs[] = {{"left", 0}, {"bottom", RingBottom}, {"right", MeridianCount / 2}, {"top", RingTop}};
  Point twice[4];  // each fill's centre, doubled to stay whole
  for (int i = 0; i < 4; ++i) {
    const std::optional<Box> fill = SolidBox(copy, MeridianColor[TableIndexOfRing(discs[i].Position)]);
    ASSERT_TRUE(fill) << "no disc at the " << discs[i].Where;
    twice[i] = {fill->Left + fill->Right, fill->Top + fill->Bottom};
    std::printf("%-6s disc's fill: %d,%d to %d,%d\n", discs[i].Where, fill->Left, fill->Top, fill->Right,
                fill->Bottom);
    // Inside the window, with its black outline between it and the edge.
    EXPECT_GE(fill->Left, 2) << discs[i].Where;
    EXPECT_GE(fill->Top, 2) << discs[i].Where;
    EXPECT_LE(fill->Right, Width - 2) << discs[i].Where;
    EXPECT_LE(fill->Bottom, Height - 2) << discs[i].Where;
    // One disc's fill, not the picture's width or height.
    EXPECT_LT(fill->Right - fill->Left, Width / 8) << discs[i].Where;
    EXPECT_LT(fill->Bottom - fill->Top, Height / 8) << discs[i].Where;
  }
  // The ring stands round the window's centre: the left and right discs on one
  // row, mirrored across the middle column; the top and bottom ones on that
  // column, as far above the row as below it, and the row in the window's
  // middle. A disc's code at its top is of its own width, which moves its
  // fill's middle by a pixel or two, and the badge covers the lower half, which
  // lifts it a few pixels above the disc's centre.
  const Point left = twice[0], bottom = twice[1], right = twice[2], top = twice[3];
  EXPECT_NEAR(left.X + right.X, 2 * Width, 6);
  EXPECT_NEAR(top.X, Width, 6);
  EXPECT_NEAR(bottom.X, Width, 6);
  EXPECT_NEAR(left.Y, right.Y, 6);
  EXPECT_NEAR(top.Y + bottom.Y, left.Y + right.Y, 12);
  EXPECT_NEAR(top.Y + bottom.Y, 2 * Height, 20);
  EXPECT_LT(top.Y, left.Y);
  EXPECT_GT(bottom.Y, left.Y);

  // Whatever the time, the clock just below the centre is drawn in white.
  int white = 0;
  for (int y = Height / 2; y < Height / 2 + 50; ++y)
    for (int x = Width / 2 - 80; x < Width / 2 + 80; ++x) white += copy.Pixel(x, y) == White;
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
