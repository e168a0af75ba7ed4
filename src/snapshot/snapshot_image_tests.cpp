// The snapshot tool's image under GDI: its pixels at known points, and text at
// 144 DPI drawn at its size rather than blown up from the 96-DPI picture.
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
#include "bottom_up_rows.h"
#include "child_process.h"
#include "dial_geometry.h"
#include "picture.h"
#include "wine_path.h"

namespace {

// Runs quellora-snapshot (path in QUELLORA_SNAPSHOT, a Unix path under Wine) and
// reads the image it wrote.
std::optional<BmpImage> Snapshot(const std::wstring& extra) {
  const char* tool = std::getenv("QUELLORA_SNAPSHOT");
  if (!tool) return std::nullopt;
  const std::wstring exe = WinePath(tool);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring image = std::wstring(temp) + L"quellora-pixels.bmp";
  DeleteFileW(image.c_str());
  const std::wstring arguments =
      L"--now \"2021-07-10 09:40\" --birth \"1985-07-01 08:30\" " + extra + L" --image \"" + image + L"\"";
  ChildProcess snapshot;
  if (!snapshot.Start(exe, arguments) || !snapshot.WaitForExit(60000) || snapshot.ExitCode() != 0)
    return std::nullopt;
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
  out.Rows.assign(static_cast<std::size_t>(BottomUpStride(out.Width)) * out.Height, 0);
  for (int y = 0; y < out.Height; ++y)
    for (int x = 0; x < out.Width; ++x) {
      const double sx = std::clamp((x + 0.5) / 1.5 - 0.5, 0.0, image.Width - 1.0);
      const double sy = std::clamp((y + 0.5) / 1.5 - 0.5, 0.0, image.Height - 1.0);
      const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
      const int x1 = std::min(x0 + 1, image.Width - 1), y1 = std::min(y0 + 1, image.Height - 1);
      std::uint8_t* p = out.Rows.data() + BottomUpOffset(out.Width, out.Height, x, y);
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
  // Sizes at which the whole picture fits at either scale: 1920x1200 units.
  const auto at96 = Snapshot(L"--size 1920x1200");
  const auto at144 = Snapshot(L"--size 2880x1800 --dpi 144");
  ASSERT_TRUE(at96 && at144);
  const BmpImage blownUp = BlownUp(*at96);
  struct Place {
    const char* what;
    Box box;  // in the 2880x1800 pixels
    std::uint32_t ink;
  };
  for (const Place& place :
       {Place{"close hint", {15, 15, 390, 68}, FrameTextColour}, Place{"clock", {1140, 905, 1740, 1000}, White}}) {
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
      ASSERT_TRUE(p != BandGreen && p != BandRed && p != BandYellow && p != StarColour) << x << ',' << y;
    }
}

}  // namespace
