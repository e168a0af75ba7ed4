// Times one full paint of the worked example at 1920x1080: under Windows with
// GDI into a memory bitmap, split into the model, the texts and the rest, the
// picture's fit to the screen at 96 DPI (where it fits at once) and at 144 DPI
// (where the scale is searched for), and the paint of a cover window of that
// size with stars; natively into the recording canvas.
//   paint_bench [--paints N]   (default 60)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "cover_picture.h"
#include "picture.h"
#include "picture_fit.h"
#include "recording_canvas.h"

#ifdef _WIN32
#include "gdi_canvas.h"
#include "memory_surface.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Passes everything on and adds up the time spent measuring and drawing text.
class TextTimer final : public Canvas {
public:
  explicit TextTimer(Canvas& target) : target_(target) {}
  Clock::duration Spent{};

  void SelectPen(const PenSpec& pen) override { target_.SelectPen(pen); }
  void SelectBrush(Colour colour) override { target_.SelectBrush(colour); }
  void SelectFont(const FontSpec& font) override { target_.SelectFont(font); }
  void SetTextColor(Colour colour) override { target_.SetTextColor(colour); }
  void SetTransparentMode() override { target_.SetTransparentMode(); }
  void Rectangle(const Box& box) override { target_.Rectangle(box); }
  void Ellipse(const Box& box) override { target_.Ellipse(box); }
  void Arc(const Box& box, Point start, Point end) override { target_.Arc(box, start, end); }
  void MoveTo(Point p) override { target_.MoveTo(p); }
  void LineTo(Point p) override { target_.LineTo(p); }
  void Text(Point p, std::u16string_view text) override {
    const auto start = Clock::now();
    target_.Text(p, text);
    Spent += Clock::now() - start;
  }
  TextExtent MeasureText(std::u16string_view text) override {
    const auto start = Clock::now();
    const TextExtent size = target_.MeasureText(text);
    Spent += Clock::now() - start;
    return size;
  }

private:
  Canvas& target_;
};

ScreenInputs WorkedExample() {
  ScreenInputs in;
  in.Width = 1920;
  in.Height = 1080;
  in.ShowStars = true;
  in.UserName = u"Anna";
  in.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  in.Now = EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0);
  return in;
}

template <class Paint>
std::vector<double> Time(int paints, Paint paint) {
  std::vector<double> ms;
  for (int i = 0; i < paints; ++i) {
    const auto start = Clock::now();
    paint(i);
    ms.push_back(Ms(Clock::now() - start));
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  int paints = 60;
  if (argc == 3 && std::strcmp(argv[1], "--paints") == 0) paints = std::max(1, std::atoi(argv[2]));
  ScreenInputs in = WorkedExample();

  const double model = Median(Time(paints, [&](int) {
    volatile float keep = ComputeModelFrame(in.Now, in.BirthMoment).Scan.LowerLast[0];
    (void)keep;
  }));

#ifdef _WIN32
  MemorySurface surface(in.Width, in.Height);
  GdiTally tally;
  const auto gdiPaint = [&](int i) {
    in.StarSeed = static_cast<std::uint32_t>(i);
    GdiCanvas canvas(surface.Dc(), tally);
    PaintScreen(canvas, in);
    GdiFlush();
  };
  Time(3, gdiPaint);  // fonts and glyph caches warm
  const double total = Median(Time(paints, gdiPaint));
  std::vector<double> texts;
  Time(paints, [&](int i) {
    in.StarSeed = static_cast<std::uint32_t>(i);
    GdiCanvas gdi(surface.Dc(), tally);
    TextTimer timer(gdi);
    PaintScreen(timer, in);
    GdiFlush();
    texts.push_back(Ms(timer.Spent));
  });
  const double text = Median(texts);
  const auto fitAt = [&](std::int32_t dpi) {
    return Median(Time(paints, [&](int) {
      FitPictureFrame(in, in.Width, in.Height, dpi, dpi, [&](const PictureFrame& frame) {
        return std::make_unique<GdiCanvas>(surface.Dc(), tally, frame);
      });
    }));
  };
  const double fit96 = fitAt(96), fit144 = fitAt(144);
  // A cover window on a second monitor of the same size: the picture's 21 stars.
  CoverInputs cover{in.Width, in.Height, true, CoverStarCount(std::int64_t{in.Width} * in.Height,
                                                              std::int64_t{in.Width} * in.Height), 0};
  const auto coverPaint = [&](int i) {
    cover.StarSeed = static_cast<std::uint32_t>(i);
    GdiCanvas canvas(surface.Dc(), tally);
    PaintCover(canvas, cover);
    GdiFlush();
  };
  Time(3, coverPaint);
  const double coverTotal = Median(Time(paints, coverPaint));
  std::printf("GDI paint 1920x1080 into a memory bitmap, median of %d: %.2f ms\n", paints, total);
  std::printf("  model (phases, scan, levels): %.2f ms (%.0f%%)\n", model, 100 * model / total);
  std::printf("  texts (measure and draw):     %.2f ms (%.0f%%)\n", text, 100 * text / total);
  std::printf("  rest (shapes, objects, code): %.2f ms (%.0f%%)\n", total - model - text,
              100 * (total - model - text) / total);
  std::printf("Fit to 1920x1080 (measuring only), median of %d: %.2f ms at 96 DPI, %.2f ms at 144 DPI\n",
              paints, fit96, fit144);
  std::printf("Cover window 1920x1080 with %d stars, median of %d: %.2f ms\n", cover.StarCount, paints,
              coverTotal);
  std::printf("  objects made %llu, deleted %llu, failures %llu\n",
              static_cast<unsigned long long>(tally.Created),
              static_cast<unsigned long long>(tally.Deleted),
              static_cast<unsigned long long>(tally.CreateFailures + tally.DeleteFailures +
                                              tally.SelectFailures));
  return tally.Created == tally.Deleted ? 0 : 1;
#else
  const double total = Median(Time(paints, [&](int i) {
    in.StarSeed = static_cast<std::uint32_t>(i);
    RecordingCanvas canvas;
    PaintScreen(canvas, in);
  }));
  const double fit = Median(Time(paints, [&](int) {
    FitPictureFrame(in, in.Width, in.Height, 144, 144,
                    [](const PictureFrame&) { return std::make_unique<RecordingCanvas>(); });
  }));
  std::printf("Recording paint 1920x1080, median of %d: %.3f ms (model %.3f ms); fit at 144 DPI %.3f ms\n",
              paints, total, model, fit);
  return 0;
#endif
}
