// The picture painted by GDI: object bookkeeping over many paints into a
// memory bitmap, the picture's edges at every scale, and whole characters.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "gdi_canvas.h"
#include "memory_surface.h"
#include "recording_canvas.h"
#include "screen_picture.h"
#include "unique_handle.h"

namespace {

// Twelve pictures of an 800x600 window that differ in language, stars and
// kind; a paint of one at minute n draws the picture of that minute.
struct Variant {
  PictureSettings Settings;
  PictureTarget Target;
};

Variant VariantOf(int n) {
  Variant v;
  v.Settings.ShowStars = n % 2 == 0;
  v.Settings.Rus = n % 3 == 0;
  v.Settings.UserName = u"Анна";
  v.Settings.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  v.Target = {800, 600, BaseDpi, n % 4 == 3 ? PictureKind::Preview : PictureKind::Saver};
  return v;
}

ClockReading MinuteOf(int n) {
  return {EncodeDate(2021, 7, 10) + (n % 1440) / 1440.0, static_cast<std::uint32_t>(n)};
}

std::uint64_t SelectionsOf(ScreenPicture& picture, const ClockReading& clock) {
  RecordingCanvas recording;
  picture.Paint(recording, clock);
  std::uint64_t count = 0;
  for (const DrawOp& op : recording.Ops())
    count += op.Kind == OpKind::Pen || op.Kind == OpKind::Brush || op.Kind == OpKind::Font;
  return count;
}

TEST(GdiPaint, TenThousandPaintsLeaveNoObjectBehind) {
  MemorySurface surface(800, 600);
  const HDC dc = surface.Dc();
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  GdiTally layoutTally;
  std::vector<ScreenPicture> pictures(12);
  for (int n = 0; n < 12; ++n) {
    GdiCanvas canvas(dc, layoutTally);
    const Variant v = VariantOf(n);
    pictures[n].LayOut(v.Settings, v.Target, canvas);
  }
  EXPECT_EQ(layoutTally.Created, layoutTally.Deleted) << "the layouts' fonts";
  GdiTally tally;
  std::uint64_t selections = 0;
  for (int n = 0; n < 10000; ++n) {
    if (n < 12) selections += SelectionsOf(pictures[n % 12], MinuteOf(n));  // the pattern repeats every 12 paints
    {
      GdiCanvas canvas(dc, tally);
      pictures[n % 12].Paint(canvas, MinuteOf(n));
    }
    ASSERT_EQ(tally.Created, tally.Deleted) << "paint " << n;
  }
  EXPECT_EQ(tally.CreateFailures, 0u);
  EXPECT_EQ(tally.DeleteFailures, 0u);
  EXPECT_EQ(tally.SelectFailures, 0u);
  // Roughly: every full paint of a 12-paint cycle makes the same number of objects.
  EXPECT_GE(tally.Created, selections * (10000 / 12));
  EXPECT_LE(tally.Created, selections * (10000 / 12 + 1));
  // The context has its own objects back.
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST(GdiPaint, ReplacedObjectsAreGoneAndTheLastIsDeletedAfterDeselection) {
  MemorySurface surface(50, 50);
  GdiTally tally;
  HGDIOBJ first = nullptr;
  HGDIOBJ last = nullptr;
  {
    GdiCanvas canvas(surface.Dc(), tally);
    canvas.SelectPen({1, 0x00FF0000});
    first = GetCurrentObject(surface.Dc(), OBJ_PEN);
    canvas.SelectPen({5, 0x0000FF00});
    last = GetCurrentObject(surface.Dc(), OBJ_PEN);
    EXPECT_EQ(GetObjectType(first), 0u) << "the replaced pen is deleted at once";
    EXPECT_EQ(GetObjectType(last), static_cast<DWORD>(OBJ_PEN));
  }
  EXPECT_EQ(GetObjectType(last), 0u);
  EXPECT_EQ(GetCurrentObject(surface.Dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(tally.Created, 2u);
  EXPECT_EQ(tally.Deleted, 2u);
}

// The picture's rectangle must land on the window's last pixels: one short
// leaves a column of what was there before, one over loses the black edge.
// The context stays in its own pixels.
TEST(GdiPaint, BackgroundReachesEveryEdgePixelAtEveryScale) {
  struct {
    std::int32_t width, height, dpi;
  } const cases[] = {{640, 480, 96}, {1366, 768, 120}, {1280, 800, 144}, {1366, 768, 144}, {1001, 751, 192}};
  for (const auto& c : cases) {
    MemorySurface surface(c.width, c.height);
    PatBlt(surface.Dc(), 0, 0, c.width, c.height, WHITENESS);  // so an unpainted pixel shows
    GdiTally tally;
    {
      GdiCanvas canvas(surface.Dc(), tally);
      ScreenPicture cover;
      PictureSettings settings;
      settings.ShowStars = false;
      cover.Paint(canvas, settings, {c.width, c.height, c.dpi, PictureKind::Cover, 0}, {});
    }
    const std::int32_t right = c.width - 1, bottom = c.height - 1;
    for (const Point p : {Point{0, 0}, Point{right, 0}, Point{0, bottom}, Point{right, bottom}})
      EXPECT_EQ(surface.Pixel(p.X, p.Y), Black) << p.X << ',' << p.Y << " at " << c.dpi;
    for (const Point p : {Point{right - 1, bottom - 1}, Point{1, 1}})
      EXPECT_EQ(surface.Pixel(p.X, p.Y), BackgroundColour) << p.X << ',' << p.Y << " at " << c.dpi;
    EXPECT_EQ(GetMapMode(surface.Dc()), MM_TEXT);
  }
}

// The runs of columns that hold ink in a white surface: each glyph or box
// drawn apart from the next is one run.
std::vector<std::pair<int, int>> InkedColumns(const MemorySurface& surface) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < surface.Width(); ++x) {
    bool ink = false;
    for (int y = 0; y < surface.Height() && !ink; ++y) ink = surface.Pixel(x, y) != 0x00FFFFFF;
    if (!ink) continue;
    if (!runs.empty() && runs.back().second == x)
      ++runs.back().second;
    else
      runs.push_back({x, x + 1});
  }
  return runs;
}

// The text drawn in black by the canvas at (10, 10) on the surface made
// white; its measured extent. The canvas is gone on return.
TextExtent DrawnByCanvas(const MemorySurface& surface, const FontSpec& font, std::u16string_view text,
                         GdiTally& tally) {
  PatBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(), WHITENESS);
  GdiCanvas canvas(surface.Dc(), tally);
  canvas.SelectFont(font);
  canvas.SetTextColor(Black);
  canvas.SetTransparentMode();
  canvas.Text({10, 10}, text);
  return canvas.MeasureText(text);
}

// A character outside the basic plane (a surrogate pair) is one character on
// the surface: one glyph, or one box where no font has it; never a box for
// each half. Its measured width is the width it is drawn in.
TEST(GdiText, ACharacterOutsideTheBasicPlaneIsDrawnWhole) {
  for (const std::int32_t height : {20, 30}) {
    for (const std::u16string_view text :
         {std::u16string_view(u"\U0001F600"), std::u16string_view(u"\U0001F600|")}) {
      MemorySurface surface(120, 60);
      GdiTally tally;
      const TextExtent size = DrawnByCanvas(surface, {height, false}, text, tally);
      const auto runs = InkedColumns(surface);
      const std::size_t characters = text.size() - 1;  // the pair is one
      ASSERT_EQ(runs.size(), characters) << height << " px, " << text.size() << " units";
      // Drawn from the pixel 10 on, within the measured width.
      EXPECT_GE(runs.front().first, 10 - size.InkBefore) << height;
      EXPECT_LE(runs.back().second, 10 + size.Width + size.InkAfter) << height;
      EXPECT_GT(runs.front().second - runs.front().first, height / 5) << "no glyph or box at " << height;
      EXPECT_EQ(tally.Created, tally.Deleted);
    }
  }
}

// The canvas puts each letter where the system's own text drawing puts it, at
// every size the picture uses, upright and italic: measuring does not spread
// letters apart or squeeze them together (Wine draws a size it does not smooth
// at its bitmaps' advances, wider or narrower than the outlines it measures).
TEST(GdiText, LettersStandWhereTheSystemDrawsThem) {
  for (const std::int32_t height : {8, 9, 11, 13, 15, 16, 17, 21, 30}) {
    for (const bool italic : {false, true}) {
      for (const std::u16string_view text : {u"Lungs Meridian", u"Use an Intellectual rest", u"Меридиан Печени"}) {
        MemorySurface ours(400, 50), system(400, 50);
        GdiTally tally;
        DrawnByCanvas(ours, {height, italic}, text, tally);
        PatBlt(system.Dc(), 0, 0, 400, 50, WHITENESS);
        LOGFONTW font{};
        font.lfHeight = height;
        font.lfItalic = italic;
        font.lfCharSet = DEFAULT_CHARSET;
        std::copy(std::begin(FontFace), std::end(FontFace), font.lfFaceName);
        const UniqueFont made(CreateFontIndirectW(&font));
        const HGDIOBJ old = SelectObject(system.Dc(), made.get());
        SetBkMode(system.Dc(), TRANSPARENT);
        TextOutW(system.Dc(), 10, 10, reinterpret_cast<const wchar_t*>(text.data()),
                 static_cast<int>(text.size()));
        SelectObject(system.Dc(), old);
        EXPECT_EQ(InkedColumns(ours), InkedColumns(system)) << height << " px, italic " << italic;
      }
    }
  }
}

}  // namespace
