// The picture painted by GDI: object bookkeeping over many paints into a
// memory bitmap, the pixels of the snapshot tool's image at known points, and
// the picture at the display's scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "bmp_file.h"
#include "cover_picture.h"
#include "dial_geometry.h"
#include "gdi_canvas.h"
#include "memory_surface.h"
#include "picture.h"
#include "recording_canvas.h"

namespace {

ScreenInputs Variant(int n) {
  ScreenInputs in;
  in.Width = 800;
  in.Height = 600;
  in.IsPreview = n % 4 == 3;
  in.ShowStars = n % 2 == 0;
  in.Rus = n % 3 == 0;
  in.UserName = u"Анна";
  in.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  in.Now = EncodeDate(2021, 7, 10) + (n % 1440) / 1440.0;
  in.StarSeed = static_cast<std::uint32_t>(n);
  return in;
}

std::uint64_t SelectionsOf(const ScreenInputs& in) {
  RecordingCanvas recording;
  PaintScreen(recording, in);
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
  GdiTally tally;
  std::uint64_t selections = 0;
  for (int n = 0; n < 10000; ++n) {
    const ScreenInputs in = Variant(n);
    if (n < 12) selections += SelectionsOf(in);  // the pattern repeats every 12 paints
    {
      GdiCanvas canvas(dc, tally);
      PaintScreen(canvas, in);
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

// The rectangle of the picture's size in units must land on the window's last
// pixels: one short leaves a column of what was there before, one over loses
// the black edge. And the context gets its mapping back.
TEST(GdiPaint, ScaledBackgroundReachesEveryEdgePixel) {
  struct {
    std::int32_t width, height, dpi;
  } const cases[] = {{640, 480, 96}, {1366, 768, 120}, {1280, 800, 144}, {1366, 768, 144}, {1001, 751, 192}};
  for (const auto& c : cases) {
    MemorySurface surface(c.width, c.height);
    PatBlt(surface.Dc(), 0, 0, c.width, c.height, WHITENESS);  // so an unpainted pixel shows
    const PictureFrame frame = FrameAtDpi(c.width, c.height, c.dpi, c.dpi);
    GdiTally tally;
    {
      GdiCanvas canvas(surface.Dc(), tally, frame);
      PaintCover(canvas, {frame.Width, frame.Height, false, 0, 0});
    }
    const std::int32_t right = c.width - 1, bottom = c.height - 1;
    for (const Point p : {Point{0, 0}, Point{right, 0}, Point{0, bottom}, Point{right, bottom}})
      EXPECT_EQ(surface.Pixel(p.X, p.Y), Black) << p.X << ',' << p.Y << " at " << c.dpi;
    for (const Point p : {Point{right - 1, bottom - 1}, Point{1, 1}})
      EXPECT_EQ(surface.Pixel(p.X, p.Y), BackgroundColour) << p.X << ',' << p.Y << " at " << c.dpi;
    EXPECT_EQ(GetMapMode(surface.Dc()), MM_TEXT);
  }
}

// Runs quellora-snapshot (path in QUELLORA_SNAPSHOT, a Unix path under Wine) and
// reads the image it wrote.
std::optional<BmpImage> Snapshot(const std::wstring& extra) {
  const char* tool = std::getenv("QUELLORA_SNAPSHOT");
  if (!tool) return std::nullopt;
  std::wstring exe = L"Z:";
  for (const char* c = tool; *c; ++c) exe += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring image = std::wstring(temp) + L"quellora-pixels.bmp";
  DeleteFileW(image.c_str());
  std::wstring command = L"\"" + exe + L"\" --now \"2021-07-10 09:40\" --birth \"1985-07-01 08:30\" " +
                         extra + L" --image \"" + image + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return std::nullopt;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (code != 0) return std::nullopt;
  std::ifstream in(std::filesystem::path(image), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  DeleteFileW(image.c_str());
  return DecodeBmp24(bytes.str());
}

// Full-strength pixels of ink among all pixels that are not background, in a
// box: text drawn at its size has solid strokes with a thin soft edge, text
// blown up from a smaller picture is soft all through.
double SolidShare(const BmpImage& image, Box box, std::uint32_t ink) {
  int solid = 0, marked = 0;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x) {
      const std::uint32_t p = image.Pixel(x, y);
      if (p == BackgroundColour) continue;
      ++marked;
      solid += p == ink;
    }
  return marked ? static_cast<double>(solid) / marked : 0;
}

// The picture blown up 1.5 times, each pixel interpolated between its four
// nearest neighbours: what scaling the 96-DPI picture would give.
BmpImage BlownUp(const BmpImage& image) {
  BmpImage out{image.Width * 3 / 2, image.Height * 3 / 2, {}};
  const std::int32_t stride = (out.Width * 3 + 3) & ~3;
  out.Rows.assign(static_cast<std::size_t>(stride) * out.Height, 0);
  for (int y = 0; y < out.Height; ++y)
    for (int x = 0; x < out.Width; ++x) {
      const double sx = std::clamp((x + 0.5) / 1.5 - 0.5, 0.0, image.Width - 1.0);
      const double sy = std::clamp((y + 0.5) / 1.5 - 0.5, 0.0, image.Height - 1.0);
      const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
      const int x1 = std::min(x0 + 1, image.Width - 1), y1 = std::min(y0 + 1, image.Height - 1);
      std::uint8_t* p = out.Rows.data() + static_cast<std::size_t>(out.Height - 1 - y) * stride + 3 * x;
      for (int shift = 0; shift < 24; shift += 8) {
        const auto c = [&](int px, int py) { return (image.Pixel(px, py) >> shift) & 0xFF; };
        const double top = std::lerp(c(x0, y0), c(x1, y0), sx - x0);
        const double low = std::lerp(c(x0, y1), c(x1, y1), sx - x0);
        p[2 - shift / 8] = static_cast<std::uint8_t>(std::lround(std::lerp(top, low, sy - y0)));
      }
    }
  return out;
}

bool Near(const BmpImage& image, Point p, int reach, std::uint32_t colour) {
  for (int y = p.Y - reach; y <= p.Y + reach; ++y)
    for (int x = p.X - reach; x <= p.X + reach; ++x)
      if (image.Pixel(x, y) == colour) return true;
  return false;
}

TEST(SnapshotImage, PixelsAtKnownPoints) {
  const auto image = Snapshot(L"");
  ASSERT_TRUE(image) << "quellora-snapshot did not write an image";
  ASSERT_EQ(image->Width, 1920);
  ASSERT_EQ(image->Height, 1080);
  // The background rectangle's default pen leaves a black frame round the edge.
  for (const Point p : {Point{0, 0}, Point{1919, 0}, Point{0, 1079}, Point{1919, 1079}, Point{960, 0}})
    EXPECT_EQ(image->Pixel(p.X, p.Y), Black) << p.X << ',' << p.Y;
  EXPECT_EQ(image->Pixel(1, 1), BackgroundColour);
  EXPECT_EQ(image->Pixel(5, 540), BackgroundColour);
  // The dial's outline between the "00" and "01" spokes, at 7.5 degrees.
  EXPECT_TRUE(Near(*image, {722, 509}, 2, DialColour));
  EXPECT_EQ(image->Pixel(850, 600), BackgroundColour) << "inside the dial, off every arc";
  // Ring position 0 (the Liver) at (670, 540): its disc fill left of the badge.
  EXPECT_EQ(image->Pixel(650, 540), MeridianColor[11]);
  // Position 4 at (1104, 791) reads 35%: a green badge below the percent text.
  EXPECT_EQ(image->Pixel(1104, 811), BandGreen);
  // The clock "09:40" in white below the centre.
  int white = 0;
  for (int y = 545; y < 605; ++y)
    for (int x = 860; x < 1060; ++x) white += image->Pixel(x, y) == White;
  EXPECT_GT(white, 200);
}

TEST(SnapshotImage, TextAt144DpiIsDrawnAtItsSizeNotBlownUp) {
  const auto at96 = Snapshot(L"--size 1280x720");
  const auto at144 = Snapshot(L"--size 1920x1080 --dpi 144");
  ASSERT_TRUE(at96 && at144);
  const BmpImage blownUp = BlownUp(*at96);
  struct Place {
    const char* what;
    Box box;  // in the 1920x1080 pixels
    std::uint32_t ink;
  };
  for (const Place& place : {Place{"close hint", {10, 10, 260, 45}, FrameTextColour},
                             Place{"clock", {760, 545, 1160, 660}, White}}) {
    const double crisp = SolidShare(*at144, place.box, place.ink);
    const double blurred = SolidShare(blownUp, place.box, place.ink);
    EXPECT_GT(crisp, 0.2) << place.what;
    EXPECT_GT(crisp, 2 * blurred) << place.what << ": " << crisp << " against " << blurred;
  }
}

TEST(SnapshotImage, PreviewHasNoRing) {
  const auto image = Snapshot(L"--preview --size 400x300 --stars on");
  ASSERT_TRUE(image);
  ASSERT_EQ(image->Width, 400);
  for (int y = 1; y < 299; ++y)
    for (int x = 1; x < 399; ++x) {
      const std::uint32_t p = image->Pixel(x, y);
      ASSERT_TRUE(p != BandGreen && p != BandRed && p != BandYellow && p != StarColour)
          << x << ',' << y;
    }
}

}  // namespace
