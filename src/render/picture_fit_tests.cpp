// The picture fitted to the screens people have, judged from its drawing
// listing: at every size and scale of the table every drawn box lies inside the
// window and no text lies over another text or a disc; the display's scale is
// kept where it fits, and otherwise the next larger scale would not fit.
// Natively the texts measure with the recording canvas's fixed advance; built
// with QUELLORA_FIT_WITH_GDI they measure as GDI draws them under the mapping.
#include "picture_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "dial_geometry.h"
#include "paint_trace.h"
#include "picture_places.h"
#include "recording_canvas.h"
#include "text_utf.h"

#ifdef QUELLORA_FIT_WITH_GDI
#include "gdi_canvas.h"
#include "memory_surface.h"
#endif

namespace {

#ifdef QUELLORA_FIT_WITH_GDI
constexpr const char* Measurement = "GDI";
// One small bitmap to measure on: the texts measure by the font and the
// mapping, not by the bitmap's size.
CanvasForFrame MeasuringCanvas() {
  static MemorySurface surface(1, 1);
  static GdiTally tally;
  return [](const PictureFrame& frame) { return std::make_unique<GdiCanvas>(surface.Dc(), tally, frame); };
}
#else
constexpr const char* Measurement = "fixed advance";
CanvasForFrame MeasuringCanvas() {
  return [](const PictureFrame&) { return std::make_unique<RecordingCanvas>(); };
}
#endif

struct Screen {
  std::int32_t Width, Height;
};
const Screen Screens[] = {{1024, 768},  {1280, 720},  {1280, 800},  {1366, 768},  {1440, 900},
                          {1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160}};
const std::int32_t Dpis[] = {96, 120, 144, 168, 192};

ScreenInputs Inputs(bool rus) {
  ScreenInputs in;
  in.Rus = rus;
  in.UserName = rus ? u"Анна Каренина" : u"Anna Karenina";
  in.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  in.Now = EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0);
  return in;
}

struct Drawn {
  Box Where;
  std::u16string Text;  // empty for a shape
  bool OnDisc = false;  // a disc's code or percent, drawn in black inside it
  bool IsDisc = false;
};

// The picture drawn in frame, and over it the names, hints and advice lines of
// a ring in which every position shows its advice: what some minute of the day
// may show. Each text boxed with the size it measures in the font it is drawn in.
std::vector<Drawn> Listing(const ScreenInputs& base, const PictureFrame& frame) {
  ScreenInputs in = base;
  in.Width = frame.Width;
  in.Height = frame.Height;
  const CanvasForFrame canvasFor = MeasuringCanvas();
  const auto measure = canvasFor(frame);
  RecordingCanvas picture(measure.get());
  PaintScreen(picture, in);
  ModelFrame allAdvice = ComputeModelFrame(in.Now, in.BirthMoment);
  allAdvice.LevelAtRing.fill(50);
  RecordingCanvas ring(measure.get());
  ring.SetTransparentMode();
  PaintMeridianRing(ring, DialCentre(in.Width, in.Height), allAdvice, in.Rus);

  std::vector<Drawn> drawn;
  const auto add = [&](const std::vector<DrawOp>& ops, bool ringOnly) {
    const auto boxer = canvasFor(frame);
    for (const TracedOp& t : Trace(ops)) {
      const DrawOp& op = t.Op;
      if (op.Kind == OpKind::Font) boxer->SelectFont({static_cast<std::int32_t>(op.Args[0]), op.Args[1] != 0});
      const bool black = t.State.TextColour == Black;
      if (op.Kind == OpKind::Text && !(ringOnly && black)) {
        const Point p = At(op);
        const Drawn text{TextBox(p, boxer->MeasureText(op.Str)), op.Str, black};
        const bool again = std::any_of(drawn.begin(), drawn.end(), [&](const Drawn& d) {
          return d.Text == text.Text && d.Where == text.Where;
        });
        if (!again) drawn.push_back(text);
      }
      if (!ringOnly && (op.Kind == OpKind::Rectangle || op.Kind == OpKind::Ellipse || op.Kind == OpKind::Arc)) {
        const Box b = BoxOf(op);
        drawn.push_back({b, {}, false, op.Kind == OpKind::Ellipse && b.Right - b.Left == 2 * 25});
      }
      if (!ringOnly && (op.Kind == OpKind::MoveTo || op.Kind == OpKind::LineTo))
        drawn.push_back({{At(op).X, At(op).Y, At(op).X, At(op).Y}, {}});
    }
  };
  add(picture.Ops(), false);
  add(ring.Ops(), true);
  return drawn;
}

bool Overlap(const Box& a, const Box& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

std::string Shown(const Drawn& d) {
  std::ostringstream out;
  out << d.Where << ' ' << (d.Text.empty() ? std::string("shape") : '"' + Utf8FromUtf16(d.Text) + '"');
  return out.str();
}

// Everything wrong with a listing in a frame: boxes outside it, texts over
// texts, texts over discs (a disc's own code and percent excepted).
std::vector<std::string> Faults(const std::vector<Drawn>& drawn, const PictureFrame& frame) {
  std::vector<std::string> faults;
  for (const Drawn& d : drawn)
    if (d.Where.Left < 0 || d.Where.Top < 0 || d.Where.Right > frame.Width || d.Where.Bottom > frame.Height)
      faults.push_back("outside: " + Shown(d));
  for (std::size_t i = 0; i < drawn.size(); ++i)
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      const Drawn& a = drawn[i];
      const Drawn& b = drawn[j];
      if (!Overlap(a.Where, b.Where)) continue;
      const bool texts = !a.Text.empty() && !b.Text.empty();
      const bool textOverDisc = (!a.Text.empty() && !a.OnDisc && b.IsDisc) ||
                                (!b.Text.empty() && !b.OnDisc && a.IsDisc);
      if (texts || textOverDisc) faults.push_back("over: " + Shown(a) + " and " + Shown(b));
    }
  return faults;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += "\n  " + line;
  return out;
}

// What is wrong with the fit of one case of the table, if anything.
std::vector<std::string> CaseFaults(const ScreenInputs& in, const Screen& s, std::int32_t dpi, const PictureFit& fit) {
  std::vector<std::string> faults;
  if (fit.Frame.PixelWidth != s.Width || fit.Frame.PixelHeight != s.Height) faults.push_back("not the window's pixels");
  if (fit.Dpi > dpi) faults.push_back("larger than the display's scale");
  const PictureFrame made = FrameAtDpi(s.Width, s.Height, fit.Dpi, fit.Dpi);
  if (made.Width != fit.Frame.Width || made.Height != fit.Frame.Height) faults.push_back("not the frame of its DPI");
  for (const std::string& f : Faults(Listing(in, fit.Frame), fit.Frame)) faults.push_back(f);
  const PictureFrame display = FrameAtDpi(s.Width, s.Height, dpi, dpi);
  if (fit.Dpi != dpi && Faults(Listing(in, display), display).empty())
    faults.push_back("the display's scale fits, and was not kept");
#ifdef QUELLORA_FIT_WITH_GDI
  // Today's picture on the screens it was made for stays as it was, pixel for pixel.
  if (dpi == BaseDpi && s.Width >= 1280 && s.Height >= 800 && fit.Dpi != BaseDpi)
    faults.push_back("the 96-DPI picture must stay as it is");
#endif
  if (fit.Dpi < dpi) {
    const PictureFrame larger = FrameAtDpi(s.Width, s.Height, fit.Dpi + 1, fit.Dpi + 1);
    if (Faults(Listing(in, larger), larger).empty())
      faults.push_back("fits at " + std::to_string(fit.Dpi + 1) + " DPI too");
  }
  return faults;
}

TEST(FitPictureFrame, EverySizeAndScaleOfTheTableFitsAndTheScaleIsTheLargest) {
  int passed = 0, cases = 0;
  for (const bool rus : {false, true}) {
    const ScreenInputs in = Inputs(rus);
    for (const Screen& s : Screens)
      for (const std::int32_t dpi : Dpis) {
        const std::string name = std::to_string(s.Width) + "x" + std::to_string(s.Height) + " at " +
                                 std::to_string(dpi) + (rus ? " ru" : " en");
        const PictureFit fit = FitPictureFrame(in, s.Width, s.Height, dpi, dpi, MeasuringCanvas());
        const auto faults = CaseFaults(in, s, dpi, fit);
        EXPECT_TRUE(faults.empty()) << name << " drawn at " << fit.Dpi << " DPI:" << Joined(faults);
        ++cases;
        passed += faults.empty();
        std::printf("%-20s -> %3d DPI, %5.3fx, %4dx%-4d units%s\n", name.c_str(), fit.Dpi,
                    static_cast<double>(fit.Frame.PixelHeight) / fit.Frame.Height, fit.Frame.Width,
                    fit.Frame.Height, faults.empty() ? "" : "  FAILED");
      }
  }
  std::printf("%d of %d (size, scale, language) cases pass, texts measured by %s\n", passed, cases, Measurement);
}

// The ends of the search: the preview and an empty window keep the display's
// frame, as does a display whose scale fits (an unreadable DPI counting as 96,
// each side its own DPI); a window too small for the picture even at the
// floor gets the floor.
TEST(FitPictureFrame, PreviewEmptyWindowUnreadableDpiAndTheFloor) {
  struct {
    const char* what;
    std::int32_t width, height, dpiX, dpiY;
    bool preview;
    PictureFrame frame;
    std::int32_t dpi;
  } const cases[] = {
      {"preview", 1920, 1080, 144, 144, true, FrameAtDpi(1920, 1080, 144, 144), 144},
      {"empty window", 0, 0, 144, 144, false, FrameAtDpi(0, 0, 144, 144), 144},
      {"unreadable DPI", 3840, 2160, 0, -1, false, FrameAtDpi(3840, 2160, 96, 96), 96},
      {"each side its DPI", 3840, 2160, 144, 120, false, FrameAtDpi(3840, 2160, 144, 120), 144},
      {"too small at the floor", 320, 240, 96, 96, false, FrameAtDpi(320, 240, MinFitDpi, MinFitDpi),
       MinFitDpi},
  };
  for (const auto& c : cases) {
    ScreenInputs in = Inputs(false);
    in.IsPreview = c.preview;
    const PictureFit fit = FitPictureFrame(in, c.width, c.height, c.dpiX, c.dpiY, MeasuringCanvas());
    EXPECT_EQ(fit.Dpi, c.dpi) << c.what;
    EXPECT_EQ(fit.Frame.Width, c.frame.Width) << c.what;
    EXPECT_EQ(fit.Frame.Height, c.frame.Height) << c.what;
  }
}

}  // namespace
