// The fit of the picture to its window: its envelope measured at a candidate
// scale, and the search for the largest scale whose envelope fits.
#include "picture_fit.h"

#include <cstdint>
#include <vector>

#include "dial_geometry.h"
#include "picture_places.h"
#include "screen_texts.h"

namespace {

// The boxes of everything the fit judges, in the frame's units.
struct Envelope {
  std::vector<Box> Texts;  // every text but the frame texts
  std::vector<Box> Discs;
  std::vector<Box> Shapes;  // the dial and its spoke circles
  std::vector<Box> FrameTextBoxes;
};

struct MeasuredText {
  Canvas& Measure;
  std::vector<Box>& Into;
  // Measures text in the font selected last and keeps its box where place puts it.
  template <typename Place>
  void operator()(std::u16string_view text, Place place) {
    const TextExtent size = Measure.MeasureText(text);
    Into.push_back(TextBox(place(size), size));
  }
};

void AddDialAndCentre(Envelope& e, const ScreenInputs& in, std::int32_t width, Point c, Canvas& measure) {
  MeasuredText add{measure, e.Texts};
  e.Shapes.push_back(CircleBox(c, DialRadius));
  measure.SelectFont(LabelFont);
  for (int i = 1; i <= 24; ++i) {
    const Point p = HourPoint(c, i, 24, DialRadius);
    e.Shapes.push_back(CircleBox(p, SpokeCircleRadius));
    add(TwoDigits(24 - i), [&](TextExtent size) { return LabelPlace(p, size); });
  }
  const DateTimeParts now = DecodeDateTime(in.Now);
  measure.SelectFont(DateFont);
  add(FormatShortDate(now.date, in.Rus), [&](TextExtent size) { return DatePlace(width, c, size); });
  measure.SelectFont(ClockFont);
  add(FormatClock(now.time, in.TimeSeparator), [&](TextExtent size) { return ClockPlace(width, c, size); });
}

// Every disc with its name and hint, and its advice lines whatever the level,
// so that the fit stays the same from minute to minute. Two fonts in all: the
// names and advice first, then the hints.
void AddRing(Envelope& e, const ScreenInputs& in, Point c, Canvas& measure) {
  MeasuredText add{measure, e.Texts};
  const auto disc = [&](int i) { return HourPoint(c, i, 12, RingRadius); };
  measure.SelectFont(RingFont);
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    const Point p = disc(i);
    e.Discs.push_back(CircleBox(p, DiscRadius));
    add(in.Rus ? MeridianNameRu[k] : MeridianNameEn[k],
        [&](TextExtent size) { return RingTextPlace(i, RingText::Name, 0, p, size); });
    const auto lines = SplitAdviceLines(in.Rus ? MeridianAdviceRu[k] : MeridianAdviceEn[k]);
    for (std::size_t line = 0; line < lines.size(); ++line)
      add(lines[line], [&](TextExtent size) {
        return RingTextPlace(i, RingText::Advice, static_cast<int>(line), p, size);
      });
  }
  measure.SelectFont(HintFont);
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    add(in.Rus ? MeridianHintRu[k] : MeridianHintEn[k],
        [&](TextExtent size) { return RingTextPlace(i, RingText::Hint, 0, disc(i), size); });
  }
}

void AddFrameTexts(Envelope& e, const ScreenInputs& in, const PictureFrame& frame, Canvas& measure) {
  MeasuredText add{measure, e.FrameTextBoxes};
  measure.SelectFont(FrameTextFont);
  for (const FrameText which : FrameTexts)
    add(FrameTextOf(which, in),
        [&](TextExtent size) { return FrameTextPlace(which, frame.Width, frame.Height, size); });
}

bool Inside(const Box& b, const PictureFrame& frame) {
  return b.Left >= 0 && b.Top >= 0 && b.Right <= frame.Width && b.Bottom <= frame.Height;
}

// Right and bottom are exclusive: boxes that only touch do not overlap.
bool Overlap(const Box& a, const Box& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool AllInside(const std::vector<Box>& boxes, const PictureFrame& frame) {
  for (const Box& b : boxes)
    if (!Inside(b, frame)) return false;
  return true;
}

bool AnyOverlaps(const Box& box, const std::vector<Box>& others) {
  for (const Box& other : others)
    if (Overlap(box, other)) return true;
  return false;
}

std::int32_t RoundedRatio(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  return static_cast<std::int32_t>((value * numerator + denominator / 2) / denominator);
}

}  // namespace

bool PictureFitsFrame(const ScreenInputs& inputs, const PictureFrame& frame, Canvas& measure) {
  const Point c = DialCentre(frame.Width, frame.Height);
  Envelope e;
  AddDialAndCentre(e, inputs, frame.Width, c, measure);
  AddRing(e, inputs, c, measure);
  AddFrameTexts(e, inputs, frame, measure);
  if (!AllInside(e.Texts, frame) || !AllInside(e.Discs, frame) || !AllInside(e.Shapes, frame) ||
      !AllInside(e.FrameTextBoxes, frame))
    return false;
  // What is anchored to the centre keeps its layout at every scale; only the
  // frame texts, anchored to the edges, can come to lie over it.
  for (std::size_t i = 0; i < e.FrameTextBoxes.size(); ++i) {
    const Box& text = e.FrameTextBoxes[i];
    if (AnyOverlaps(text, e.Texts) || AnyOverlaps(text, e.Discs)) return false;
    for (std::size_t j = i + 1; j < e.FrameTextBoxes.size(); ++j)
      if (Overlap(text, e.FrameTextBoxes[j])) return false;
  }
  return true;
}

PictureFit FitPictureFrame(const ScreenInputs& inputs, std::int32_t pixelWidth, std::int32_t pixelHeight,
                           std::int32_t dpiX, std::int32_t dpiY, const CanvasForFrame& canvasFor) {
  if (dpiX <= 0) dpiX = BaseDpi;
  if (dpiY <= 0) dpiY = BaseDpi;
  // A candidate scales both sides alike; the display's own DPI gives its own frame.
  const auto at = [&](std::int32_t dpi) -> PictureFit {
    return {FrameAtDpi(pixelWidth, pixelHeight, dpi, RoundedRatio(dpiY, dpi, dpiX)), dpi};
  };
  const auto fits = [&](const PictureFit& candidate) {
    const std::unique_ptr<Canvas> measure = canvasFor(candidate.Frame);
    return measure && PictureFitsFrame(inputs, candidate.Frame, *measure);
  };
  const PictureFit display = at(dpiX);
  if (inputs.IsPreview || pixelWidth <= 0 || pixelHeight <= 0 || dpiX <= MinFitDpi || fits(display))
    return display;
  // A smaller scale gives the picture more units while its layout about the
  // centre stays the same, so whether it fits falls with the DPI: a bisection
  // between a candidate that fits, or the floor, which is taken whether it
  // fits or not, and one that does not.
  PictureFit low = at(MinFitDpi);
  std::int32_t high = dpiX;
  while (high - low.Dpi > 1) {
    const PictureFit middle = at(low.Dpi + (high - low.Dpi) / 2);
    if (fits(middle))
      low = middle;
    else
      high = middle.Dpi;
  }
  return low;
}
