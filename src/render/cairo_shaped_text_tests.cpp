// Shaped texts drawn for real into cairo images: which texts take the shaped
// way, that their ink lies in the box they measure, and that their Tahoma part
// lines up with the canvas's own Tahoma text.
#include "cairo_shaped_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "cairo_canvas.h"
#include "text_utf.h"

namespace {

const CairoFonts& Fonts() {
  static const CairoFonts fonts;
  return fonts;
}

std::string Shown(std::u16string_view text) { return Utf8FromUtf16(text); }

// A white image with the ink's box in it found afterwards.
struct Page {
  static constexpr int Width = 1400, Height = 200;
  CairoSurface surface{cairo_image_surface_create(CAIRO_FORMAT_RGB24, Width, Height)};
  CairoContext cr{cairo_create(surface.get())};
  Page() {
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_set_source_rgb(cr.get(), 0, 0, 0);
  }
  std::uint32_t At(int x, int y) {
    cairo_surface_flush(surface.get());
    const unsigned char* row = cairo_image_surface_get_data(surface.get()) +
                               static_cast<std::size_t>(y) * cairo_image_surface_get_stride(surface.get());
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  }
  struct Ink {
    int Left = Width, Right = -1, Top = Height, Bottom = -1;  // inclusive pixels
  };
  Ink FindInk() {
    Ink ink;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        if (At(x, y) != 0xFFFFFF) {
          ink.Left = std::min(ink.Left, x), ink.Right = std::max(ink.Right, x);
          ink.Top = std::min(ink.Top, y), ink.Bottom = std::max(ink.Bottom, y);
        }
    return ink;
  }
};

TEST(CairoShapedText, TakesTheShapedWayOnlyWhereTahomaCannotDrawAlone) {
  const std::pair<std::u16string, bool> cases[] = {
      {u"Anna Schmidt, 01.07.1985 08:30", false},
      {u"Анна Мария Шмидт-Иванова", false},
      {u"Łukasz Żółć", false},
      {u"", false},
      {u"王小明", true},  // no CJK in Tahoma
      {u"Anna 李", true},
      {u"שרה כהן", true},           // no Hebrew in Tahoma
      {u"سلام", true},              // Arabic in Tahoma, but joined and right to left
      {u"Zoe\u0301", true},         // a combining accent placed on its letter
      {u"Anna \U0001F600", true},   // outside the basic plane
      {u"\u2068Anna\u2069", true},  // an isolate
      {u"Ali\u200D", true},         // a joiner
  };
  for (const auto& [text, shaped] : cases) EXPECT_EQ(NeedsShapedText(Fonts(), text), shaped) << Shown(text);
}

// Wherever it is drawn, a text's ink lies in its measured advance box widened
// by its measured overhangs, and within the cell's height (less what a fallback
// font reaches beyond Tahoma's cell, a few pixels); the ink reaches its ends.
TEST(CairoShapedText, InkLiesInTheMeasuredBox) {
  const std::u16string texts[] = {u"王小明, 01.07.1985 08:30",
                                  u"שרה כהן, 01.07.1985 08:30",
                                  u"سلام عليكم",
                                  u"Dana אבג Levi",
                                  u"Anna 李 \U0001F600 x",
                                  u"Zoe\u0301 fjord"};
  for (const std::u16string& text : texts)
    for (const std::int32_t cell : {8, 15, 20, 35, 60})
      for (const bool italic : {false, true}) {
        const ShapedExtent extent = MeasureShapedText(Fonts(), text, cell, italic);
        Page page;
        const int x = 100, y = 40;
        DrawShapedText(page.cr.get(), Fonts(), text, cell, italic, x, y);
        const Page::Ink ink = page.FindInk();
        const std::string what = Shown(text) + " at " + std::to_string(cell) + (italic ? " italic" : "");
        ASSERT_GE(ink.Right, ink.Left) << what << ": no ink";
        EXPECT_EQ(extent.Height, Fonts().Tahoma(cell, italic).Ascent + Fonts().Tahoma(cell, italic).Descent)
            << what;
        EXPECT_GE(ink.Left, x - extent.InkLeft) << what;
        EXPECT_LE(ink.Right + 1, x + extent.Width + extent.InkRight) << what;
        // The measured overhangs are the ink's own: it reaches the widened box's edges.
        EXPECT_LE(ink.Left, x - extent.InkLeft + 1 + cell / 8) << what;
        EXPECT_GE(ink.Right + 1, x + extent.Width + extent.InkRight - 1 - cell / 8) << what;
        const int slack = cell / 4 + 1;
        EXPECT_GE(ink.Top, y - slack) << what;
        EXPECT_LE(ink.Bottom + 1, y + extent.Height + slack) << what;
      }
}

// The Latin part of a mixed name is Tahoma at the canvas's size, on the
// canvas's baseline, from the same bitmaps or outlines: "Anna" before a CJK
// letter has row for row the ink of "Anna" alone.
TEST(CairoShapedText, TahomaPartLinesUpWithTheCanvasText) {
  for (const std::int32_t cell : {11, 15, 20, 35})
    for (const bool italic : {false, true}) {
      Page alone, mixed;
      {
        CairoCanvas canvas(alone.cr.get(), Fonts());
        canvas.SelectFont({cell, italic});
        canvas.SetTransparentMode();
        canvas.Text({100, 40}, u"Anna");
        EXPECT_EQ(canvas.MeasureText(u"Anna 李").Height, canvas.MeasureText(u"Anna").Height);
        EXPECT_GT(canvas.MeasureText(u"Anna 李").Width, canvas.MeasureText(u"Anna").Width);
      }
      DrawShapedText(mixed.cr.get(), Fonts(), u"Anna 李", cell, italic, 100, 40);
      const Page::Ink ink = alone.FindInk();
      ASSERT_GE(ink.Right, ink.Left);
      const std::string what = "cell " + std::to_string(cell) + (italic ? " italic" : "");
      for (int y = ink.Top - 3; y <= ink.Bottom + 3; ++y) {
        int inAlone = 0, inMixed = 0;
        for (int x = ink.Left - 3; x <= ink.Right + 1; ++x) {
          inAlone += alone.At(x, y) != 0xFFFFFF;
          inMixed += mixed.At(x, y) != 0xFFFFFF;
        }
        EXPECT_NEAR(inMixed, inAlone, 1 + cell / 10) << what << ", row " << y - ink.Top;
      }
    }
}

}  // namespace
