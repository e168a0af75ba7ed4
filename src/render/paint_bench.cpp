// Times the picture of the worked example at 1920x1080: its layout at 96 and
// at 144 DPI (where the scale is searched for), a minute's repaint of a
// laid-out picture against a bare replay of its own drawing operations, the
// model's share of it, and the paint of a cover window of that size with
// stars. Under Windows with GDI into a memory bitmap; natively into the
// recording canvas, measured by its stand-in.
//   paint_bench [--paints N]   (default 60)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "cover_picture.h"
#include "median.h"
#include "recording_canvas.h"
#include "screen_picture.h"

#ifdef _WIN32
#include "gdi_canvas.h"
#include "memory_surface.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <class Work>
double MedianMs(int times, Work work) {
  std::vector<double> ms;
  for (int i = 0; i < times; ++i) {
    const auto start = Clock::now();
    work(i);
    ms.push_back(Ms(Clock::now() - start));
  }
  return Median(ms);
}

PictureSettings WorkedSettings() {
  PictureSettings s;
  s.UserName = u"Anna";
  s.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  return s;
}

const TDateTime WorkedNow = EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0);

// The canvas the bench draws on, and the wait for its drawing to land.
#ifdef _WIN32
constexpr const char* Target = "GDI into a memory bitmap";
struct Surface {
  MemorySurface Memory{1920, 1080};
  GdiTally Tally;
  std::unique_ptr<Canvas> Make() { return std::make_unique<GdiCanvas>(Memory.Dc(), Tally); }
  static void Flush() { GdiFlush(); }
  bool Clean() const { return Tally.Created == Tally.Deleted; }
};
#else
constexpr const char* Target = "the recording canvas";
struct Surface {
  static std::unique_ptr<Canvas> Make() { return std::make_unique<RecordingCanvas>(); }
  static void Flush() {}
  static bool Clean() { return true; }
};
#endif

}  // namespace

int main(int argc, char** argv) {
  int paints = 60;
  if (argc == 3 && std::strcmp(argv[1], "--paints") == 0) paints = std::max(1, std::atoi(argv[2]));
  const PictureSettings settings = WorkedSettings();
  Surface surface;

  // The first layout at a scale finds no glyph of its sizes made yet.
  const auto layoutAt = [&](std::int32_t dpi) {
    PictureLayout layout;
    const double first = MedianMs(1, [&](int) {
      const auto canvas = surface.Make();
      layout = LayOutPicture(settings, {1920, 1080, dpi}, *canvas);
    });
    const double ms = MedianMs(paints, [&](int) {
      const auto canvas = surface.Make();
      layout = LayOutPicture(settings, {1920, 1080, dpi}, *canvas);
    });
    std::printf("Layout at 1920x1080 and %d DPI, median of %d: %.2f ms, the first %.2f ms (drawn at %d DPI)\n",
                dpi, paints, ms, first, layout.Dpi);
  };
  layoutAt(96);
  layoutAt(144);

  ScreenPicture picture;
  {
    const auto canvas = surface.Make();
    picture.LayOut(settings, {1920, 1080}, *canvas);
  }
  const auto repaint = [&](int i) {
    const auto canvas = surface.Make();
    picture.Paint(*canvas, {WorkedNow, static_cast<std::uint32_t>(i)});
    Surface::Flush();
  };
  MedianMs(3, repaint);  // fonts and glyph caches warm
  const double paint = MedianMs(paints, repaint);

  RecordingCanvas recording;
  picture.Paint(recording, {WorkedNow, 1});
  const double replay = MedianMs(paints, [&](int) {
    const auto canvas = surface.Make();
    Replay(recording.Ops(), *canvas);
    Surface::Flush();
  });
  const double model = MedianMs(paints, [&](int) {
    volatile float keep = ComputeModelFrame(WorkedNow, settings.BirthMoment).Scan.LowerLast[0];
    (void)keep;
  });

  PictureSettings starry = settings;
  starry.ShowStars = true;
  ScreenPicture cover;
  const std::int64_t area = std::int64_t{1920} * 1080;
  const double coverPaint = MedianMs(paints, [&](int i) {
    const auto canvas = surface.Make();
    cover.Paint(*canvas, starry, {1920, 1080, 96, PictureKind::Cover, CoverStarCount(area, area)},
                {WorkedNow, static_cast<std::uint32_t>(i)});
    Surface::Flush();
  });

  std::printf("Repaint of the laid-out picture into %s, median of %d: %.2f ms\n", Target, paints, paint);
  std::printf("  bare replay of its %zu operations: %.2f ms (the repaint takes %.2fx)\n", recording.Ops().size(),
              replay, paint / replay);
  std::printf("  model (phases, scan, levels): %.2f ms\n", model);
  std::printf("Cover window 1920x1080 with %d stars, median of %d: %.2f ms\n", CoverStarCount(area, area), paints,
              coverPaint);
  return surface.Clean() ? 0 : 1;
}
