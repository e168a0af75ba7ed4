// The picture laid out on the screens people have, with the names people
// have, its texts measured by the canvas that draws them (GDI under Windows,
// cairo natively): from the layout's measured boxes, every text, disc and the
// dial inside the window, nothing too close to anything else, the scale the
// screen asks for or the largest that keeps all that, and never a scale set
// by the name. Then the ink of every text drawn at every scale from a half up
// lies inside the box the layout measured for it.
#include "picture_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "paint_trace.h"
#include "person_text.h"
#include "picture_fit.h"
#include "picture_places.h"
#include "text_utf.h"

#ifdef QUELLORA_LAYOUT_WITH_GDI
#include "gdi_canvas.h"
#include "memory_surface.h"
#else
#include "cairo_canvas.h"
#endif

namespace {

// --- the canvas of this build: to measure on, and to draw one text on -----

// One text in black, over whatever is behind it.
void DrawBlack(Canvas& canvas, const FontSpec& font, Point at, std::u16string_view text) {
  canvas.SelectFont(font);
  canvas.SetTextColor(Black);
  canvas.SetTransparentMode();
  canvas.Text(at, text);
}

#ifdef QUELLORA_LAYOUT_WITH_GDI
constexpr const char* Measurement = "GDI";

Canvas& MeasuringCanvas() {
  static MemorySurface surface(1, 1);
  static GdiTally tally;
  static GdiCanvas canvas(surface.Dc(), tally);
  return canvas;
}

// A surface of its own, white, that one text is drawn on in black.
class InkSurface {
public:
  InkSurface(std::int32_t width, std::int32_t height) : surface_(width, height) {
    PatBlt(surface_.Dc(), 0, 0, width, height, WHITENESS);
  }
  void Draw(const FontSpec& font, Point at, std::u16string_view text) {
    GdiTally tally;
    GdiCanvas canvas(surface_.Dc(), tally);
    DrawBlack(canvas, font, at, text);
  }
  bool Inked(std::int32_t x, std::int32_t y) const { return surface_.Pixel(x, y) != White; }

private:
  MemorySurface surface_;
};
#else
constexpr const char* Measurement = "cairo";

const CairoFonts& Fonts() {
  static const CairoFonts fonts;
  return fonts;
}

Canvas& MeasuringCanvas() {
  static const std::unique_ptr<Canvas> canvas = CairoCanvas::ForMeasuring(Fonts());
  return *canvas;
}

class InkSurface {
public:
  InkSurface(std::int32_t width, std::int32_t height)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)), width_(width) {
    CairoContext cr(cairo_create(surface_.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
  }
  void Draw(const FontSpec& font, Point at, std::u16string_view text) {
    {
      CairoContext cr(cairo_create(surface_.get()));
      CairoCanvas canvas(cr.get(), Fonts());
      DrawBlack(canvas, font, at, text);
    }
    cairo_surface_flush(surface_.get());
  }
  bool Inked(std::int32_t x, std::int32_t y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return (pixel & 0xFFFFFF) != 0xFFFFFF;
  }

private:
  CairoSurface surface_;
  std::int32_t width_;
};
#endif

// --- the table ------------------------------------------------------------

struct Screen {
  std::int32_t Width, Height;
};
const Screen Screens[] = {{640, 480},   {800, 600},   {1024, 600},  {1024, 768},  {1366, 768},
                          {1920, 1080}, {2560, 1440}, {3840, 2160}, {7680, 4320}, {1080, 1920}};
const std::int32_t Dpis[] = {96, 120, 144, 192};

std::u16string LongName() {
  std::u16string name;
  while (name.size() < 300) name += u"Anna Maria Schmidt-Ivanova ";
  return name.substr(0, 300);
}

struct Name {
  const char* What;
  std::u16string Text;
};
const Name Names[] = {{"short", u"Anna"},
                      {"300 characters", LongName()},
                      {"Anna and U+202E", u"Anna\u202E"},
                      {"CJK", u"\u738B\u5C0F\u660E"}};

PictureSettings SettingsWith(bool rus, const std::u16string& name) {
  PictureSettings s;
  s.Rus = rus;
  s.UserName = name;
  s.BirthMoment = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);
  return s;
}

// --- what the test holds a layout to, from its boxes alone ----------------

struct Judged {
  std::string What;
  Box Ink;
  std::int32_t Before = 0, After = 0;  // the overhangs inside Ink
  int Place = 0;                       // the texts of one place stand together by design
  bool InDial = false;
};

std::string Shown(const Box& b) {
  std::ostringstream out;
  out << b;
  return out.str();
}

double Distance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay, length = dx * dx + dy * dy;
  const double t = length > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length, 0.0, 1.0) : 0.0;
  return std::hypot(ax + t * dx - px, ay + t * dy - py);
}

// The distance from a circle drawn in box c to a text's ink: a slanted last
// letter reaches past the advance at the top only, a first letter's tail at the
// bottom only. Negative when the circle's edge reaches into the ink.
double Gap(const Judged& t, const Box& c) {
  const double cx = (c.Left + c.Right) / 2.0, cy = (c.Top + c.Bottom) / 2.0, r = (c.Right - c.Left) / 2.0;
  const Box& b = t.Ink;
  const double x[] = {double(b.Left + t.Before), double(b.Right), double(b.Right - t.After), double(b.Left)};
  const double y[] = {double(b.Top), double(b.Top), double(b.Bottom), double(b.Bottom)};
  const bool inside = cx > b.Left && cx < b.Right && cy > b.Top && cy < b.Bottom;
  double nearest = 1e9;
  for (int i = 0; i < 4; ++i)
    nearest = std::min(nearest, Distance(cx, cy, x[i], y[i], x[(i + 1) % 4], y[(i + 1) % 4]));
  return inside ? -r : nearest - r;
}

// Pixels between two boxes, 0 when they touch, negative when they overlap.
std::int32_t Gap(const Box& a, const Box& b) {
  const std::int32_t dx = std::max(a.Left - b.Right, b.Left - a.Right);
  const std::int32_t dy = std::max(a.Top - b.Bottom, b.Top - a.Bottom);
  return std::max(dx, dy);
}

std::vector<Judged> TextsOf(const PictureLayout& l) {
  std::vector<Judged> texts;
  int place = 0;
  const auto add = [&](const PlacedText& t, int at, bool inDial = false) {
    texts.push_back({'"' + Utf8FromUtf16(t.Text) + '"', t.Ink(), t.Size.InkBefore, t.Size.InkAfter, at, inDial});
  };
  for (const PlacedText& label : l.Labels) add(label, place++, true);
  // The date just above the centre and the clock just below it stand together.
  texts.push_back({"date", l.DateRoom, 0, 0, place, true});
  texts.push_back({"clock", l.ClockRoom, 0, 0, place++, true});
  for (int i = 0; i < MeridianCount; ++i) {
    const RingPlace& r = l.Ring[i];
    const int side = place++;
    add(r.Name, side);
    add(r.Hint, side);
    const int adviceSide = i == 3 || i == 9 ? place++ : side;  // the top and bottom discs: the other side
    for (const PlacedText& line : r.Advice) add(line, adviceSide);
  }
  for (const PlacedText* t : {&l.CloseHint, &l.Title, &l.Site}) add(*t, place++);
  Judged person{"the person text", l.PersonRest.Ink(), 0, l.PersonRest.Size.InkAfter, place++, false};
  if (!l.PersonName.Text.empty()) person.Ink.Left = l.PersonName.Ink().Left;
  texts.push_back(person);
  return texts;
}

// Everything wrong with a layout: what lies outside the window or within 3
// pixels of its edges, and what comes within 2 pixels of a text of another
// place, a disc or the dial (the lines of one place stand right under one
// another by design).
std::vector<std::string> Faults(const PictureLayout& l) {
  std::vector<std::string> faults;
  const std::int32_t w = l.Frame.PixelWidth, h = l.Frame.PixelHeight;
  const auto inside = [&](const std::string& what, const Box& b) {
    if (b.Left < 3 || b.Top < 3 || b.Right > w - 3 || b.Bottom > h - 3)
      faults.push_back("outside: " + what + " " + Shown(b));
  };
  const Box dial = l.Frame.Of(CircleBox(l.CentreUnit, DialRadius + SpokeCircleRadius));
  inside("the dial", dial);
  for (const RingPlace& r : l.Ring) inside("a disc", r.Disc);
  const std::vector<Judged> texts = TextsOf(l);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const Judged& a = texts[i];
    inside(a.What, a.Ink);
    for (const RingPlace& r : l.Ring)
      if (Gap(a, r.Disc) < 2) faults.push_back("at a disc: " + a.What + " " + Shown(a.Ink) + " " + Shown(r.Disc));
    if (!a.InDial && Gap(a, dial) < 2) faults.push_back("at the dial: " + a.What + " " + Shown(a.Ink));
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const Judged& b = texts[j];
      if (a.Place != b.Place && Gap(a.Ink, b.Ink) < 2)
        faults.push_back("close: " + a.What + " " + Shown(a.Ink) + " and " + b.What + " " + Shown(b.Ink));
    }
  }
  return faults;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size() && i < 6; ++i) out += "\n  " + lines[i];
  if (lines.size() > 6) out += "\n  ... " + std::to_string(lines.size() - 6) + " more";
  return out;
}

// What is wrong with one case of the table beyond its faults: the scale, and
// the person text.
std::vector<std::string> CaseFaults(const PictureSettings& s, const PictureTarget& t, const PictureLayout& l,
                                    const PictureLayout& shortName) {
  std::vector<std::string> faults = Faults(l);
  const std::int32_t asked = ScreenDpi(t.Dpi, t.PixelWidth, t.PixelHeight);
  if (l.Dpi > asked) faults.push_back("larger than the screen asks");
  if (l.Dpi < asked && l.Dpi >= MinFitDpi) {
    if (Faults(LayOutPictureAt(s, t, l.Dpi + 1, MeasuringCanvas())).empty())
      faults.push_back("fits at " + std::to_string(l.Dpi + 1) + " DPI too");
  }
  if (l.Dpi != shortName.Dpi || l.Frame.Width != shortName.Frame.Width)
    faults.push_back("the name changed the scale: " + std::to_string(l.Dpi) + " against " +
                     std::to_string(shortName.Dpi));
  const std::u16string rest = l.PersonRest.Text;
  const std::u16string birth = u", 01.07.1985 08:30";
  if (rest != birth && rest != u"…" + birth) faults.push_back("the birth moment is not a run of its own");
  if (l.PersonRest.At.X != l.PersonName.At.X + l.PersonName.Size.Width) faults.push_back("the runs do not join");
  // The name as drawn (see person_text_tests for what is left out of it).
  const std::u16string drawn = l.PersonName.Text, whole = DrawnName(s.UserName);
  if (whole.compare(0, drawn.size(), drawn) != 0) faults.push_back("the name drawn is not the name's start");
  if ((rest == birth) != (drawn == whole)) faults.push_back("a cut name needs its \"…\", a whole one none");
  return faults;
}

TEST(LayOutPicture, EveryScreenScaleLanguageAndNameOfTheTable) {
  int passed = 0, cases = 0;
  for (const bool rus : {false, true})
    for (const Screen& screen : Screens)
      for (const std::int32_t dpi : Dpis) {
        const PictureTarget target{screen.Width, screen.Height, dpi};
        const PictureLayout shortName = LayOutPicture(SettingsWith(rus, u"Anna"), target, MeasuringCanvas());
        for (const Name& name : Names) {
          const PictureSettings settings = SettingsWith(rus, name.Text);
          const PictureLayout layout = LayOutPicture(settings, target, MeasuringCanvas());
          const auto faults = CaseFaults(settings, target, layout, shortName);
          const std::string what = std::to_string(screen.Width) + "x" + std::to_string(screen.Height) + " at " +
                                   std::to_string(dpi) + (rus ? " ru, " : " en, ") + name.What;
          EXPECT_TRUE(faults.empty()) << what << " drawn at " << layout.Dpi << " DPI:" << Joined(faults);
          ++cases;
          passed += faults.empty();
          if (name.Text == u"Anna")
            std::printf("%-28s -> %3d DPI, %5.3fx, fonts %d/%d/%d px\n", what.c_str(), layout.Dpi,
                        static_cast<double>(layout.Frame.PixelHeight) / layout.Frame.Height,
                        layout.Fonts.Ring.Height, layout.Fonts.FrameText.Height, layout.Fonts.Clock.Height);
        }
      }
  std::printf("%d of %d (screen, scale, language, name) cases pass, texts measured by %s\n", passed, cases,
              Measurement);
}

// The scale a screen asks for: the display's, grown past 1920x1080 by the
// smaller of the two sides' growth; what the screens of today's saver show
// stays as it was.
TEST(LayOutPicture, LargeScreensKeepTheLookOf1920x1080) {
  struct {
    Screen screen;
    std::int32_t dpi, expected;
  } const cases[] = {{{1920, 1080}, 96, 96},  {{1920, 1200}, 96, 96},   {{1366, 768}, 96, 96},
                     {{1280, 800}, 96, 96},   {{2560, 1440}, 96, 128},  {{3840, 2160}, 96, 192},
                     {{7680, 4320}, 96, 384}, {{3840, 2160}, 120, 240}, {{2560, 1600}, 96, 128}};
  for (const auto& c : cases) {
    const PictureLayout l =
        LayOutPicture(SettingsWith(false, u"Anna"), {c.screen.Width, c.screen.Height, c.dpi}, MeasuringCanvas());
    EXPECT_EQ(l.Dpi, c.expected) << c.screen.Width << "x" << c.screen.Height << " at " << c.dpi;
  }
}

// The ends: the preview and an empty window keep the display's scale, one
// below 96 (or unreadable) counts as 96, and a window too small even at the
// floor gets the floor.
TEST(LayOutPicture, PreviewEmptyWindowLowDpiAndTheFloor) {
  struct {
    const char* what;
    PictureTarget target;
    std::int32_t dpi;
    PictureFrame frame;
  } const cases[] = {
      {"preview", {1920, 1080, 144, PictureKind::Preview}, 144, FrameAtDpi(1920, 1080, 144, 144)},
      {"empty window", {0, 0, 144}, 144, FrameAtDpi(0, 0, 144, 144)},
      {"LogPixels 20", {1920, 1080, 20}, 96, FrameAtDpi(1920, 1080, 96, 96)},
      {"unreadable", {1920, 1080, 0}, 96, FrameAtDpi(1920, 1080, 96, 96)},
      {"too small at the floor", {320, 240, 96}, MinFitDpi, FrameAtDpi(320, 240, MinFitDpi, MinFitDpi)},
  };
  for (const auto& c : cases) {
    const PictureLayout l = LayOutPicture(SettingsWith(false, u"Anna"), c.target, MeasuringCanvas());
    EXPECT_EQ(l.Dpi, c.dpi) << c.what;
    EXPECT_EQ(l.Frame.Width, c.frame.Width) << c.what;
    EXPECT_EQ(l.Frame.Height, c.frame.Height) << c.what;
  }
}

// Every text of the picture, at scales from a half to twice, drawn alone on a
// white surface where the layout would put it: its ink lies inside the box the
// layout measured, and its letters stand where the measure says (the last
// one's ink ends within a pixel or two of the advance plus the overhang).
TEST(LayOutPicture, TheInkOfEveryTextLiesInsideItsMeasuredBox) {
  int texts = 0, scales = 0;
  for (const bool rus : {false, true})
    for (const std::int32_t dpi : {48, 53, 58, 62, 67, 72, 80, 88, 96, 110, 120, 144, 168, 192}) {
      ++scales;
      const PictureLayout l =
          LayOutPictureAt(SettingsWith(rus, u"Jürgen Ivanović"), {1920, 1080, 96}, dpi, MeasuringCanvas());
      const auto inkInside = [&](const PlacedText& t, const FontSpec& font) {
        if (t.Text.empty()) return;
        ++texts;
        // The text's own place, moved to the middle of a surface with room
        // around it for ink that would stray.
        const std::int32_t pad = 2 * font.Height;
        const Box box = t.Ink();
        InkSurface surface(box.Right - box.Left + 2 * pad, box.Bottom - box.Top + 2 * pad);
        const Point origin{pad - box.Left, pad - box.Top};
        surface.Draw(font, {t.At.X + origin.X, t.At.Y + origin.Y}, t.Text);
        Box ink{1 << 30, 1 << 30, -1, -1};
        for (std::int32_t y = 0; y < box.Bottom - box.Top + 2 * pad; ++y)
          for (std::int32_t x = 0; x < box.Right - box.Left + 2 * pad; ++x)
            if (surface.Inked(x, y))
              ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                     std::max(ink.Bottom, y + 1)};
        ASSERT_GE(ink.Right, 0) << "no ink for \"" << Utf8FromUtf16(t.Text) << "\"";
        const Box drawn{ink.Left - origin.X, ink.Top - origin.Y, ink.Right - origin.X, ink.Bottom - origin.Y};
        EXPECT_TRUE(drawn.Left >= box.Left && drawn.Top >= box.Top && drawn.Right <= box.Right &&
                    drawn.Bottom <= box.Bottom)
            << "\"" << Utf8FromUtf16(t.Text) << "\" at " << dpi << " DPI, " << font.Height << " px"
            << (font.Italic ? " italic" : "") << ": ink " << drawn << " outside its box " << box;
        // Letters spread apart (or squeezed) end their ink far from the measure.
        EXPECT_GE(drawn.Right, box.Right - 2 - font.Height / 4)
            << "\"" << Utf8FromUtf16(t.Text) << "\" at " << dpi << " DPI: ink ends at " << drawn.Right
            << ", the box at " << box.Right;
      };
      for (const PlacedText& label : l.Labels) inkInside(label, l.Fonts.Label);
      for (const RingPlace& r : l.Ring) {
        inkInside(r.Code, l.Fonts.Ring);
        inkInside(r.Name, l.Fonts.Ring);
        inkInside(r.Hint, l.Fonts.Hint);
        for (const PlacedText& line : r.Advice) inkInside(line, l.Fonts.Ring);
      }
      for (const PlacedText* t : {&l.CloseHint, &l.Title, &l.Site, &l.PersonName, &l.PersonRest})
        inkInside(*t, l.Fonts.FrameText);
    }
  std::printf("%d texts drawn at %d (language, scale) pairs, measured by %s\n", texts, scales, Measurement);
}

}  // namespace
