// The picture painted by GDI: object bookkeeping over many paints into a
// memory bitmap, and the pixels of the snapshot tool's image at known points.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bmp_file.h"
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
