// The order of the whole paint and the drawing state of each step. Everything
// placed by the layout is drawn where it says; only the texts of the moment
// (the date, the clock and the levels) are measured here, to be centred.
#include "picture.h"

#include "dial_geometry.h"
#include "picture_ground.h"
#include "picture_places.h"
#include "screen_texts.h"

namespace {

void PaintDial(Canvas& canvas, const PictureLayout& layout) {
  const PictureFrame& f = layout.Frame;
  const Point c = layout.CentreUnit;
  canvas.SelectFont(layout.Fonts.Label);
  canvas.SetTextColor(White);
  canvas.SelectPen({f.PenWidth(1), DialColour});
  // Still the background brush: the disc covers the stars that fell inside it.
  canvas.Ellipse(f.Of(CircleBox(c, DialRadius)));
  canvas.SelectBrush(DialColour);
  canvas.SetTransparentMode();
  for (int i = 1; i <= 24; ++i) {
    const Point p = HourPoint(c, i, 24, DialRadius);
    canvas.MoveTo(f.At(c));
    canvas.LineTo(f.At(p));
    canvas.Ellipse(f.Of(CircleBox(p, SpokeCircleRadius)));
    const PlacedText& label = layout.Labels[i - 1];
    canvas.Text(label.At, label.Text);
  }
}

void PaintArcs(Canvas& canvas, const PictureLayout& layout, const MeridianScan& scan) {
  const PictureFrame& f = layout.Frame;
  const Point c = layout.CentreUnit;
  for (int k = 0; k < MeridianCount; ++k) {
    canvas.SelectPen({f.PenWidth(5), MeridianColor[k]});
    const int r = 110 + 10 * k;
    const Box box = f.Of({c.X - r, c.Y - r, c.X + r, c.Y + r});
    // Arcs run counterclockwise, backwards in time: each one covers the minutes
    // from its end point up to its start point.
    const auto at = [&](float minute) { return f.At(TimePoint(c, minute, r)); };
    if (scan.UpperFirst[k] > 0) {
      canvas.Arc(box, at(scan.UpperMirror[k]), at(scan.LowerMirror[k]));
      canvas.Arc(box, at(scan.LowerLast[k]), at(scan.UpperFirst[k]));
    } else if (scan.LowerLast[k] > 0) {
      canvas.Arc(box, at(scan.LowerLast[k]), at(scan.LowerMirror[k]));
    }
  }
}

void PaintHand(Canvas& canvas, const PictureLayout& layout, int minuteNow) {
  const PictureFrame& f = layout.Frame;
  const Point c = layout.CentreUnit;
  const Point p = TimePoint(c, static_cast<float>(minuteNow), DialRadius);
  canvas.SelectBrush(White);
  canvas.SelectPen({f.PenWidth(1), White});
  canvas.MoveTo(f.At(c));
  canvas.LineTo(f.At(p));
  canvas.Ellipse(f.Of({p.X - 3, p.Y - 3, p.X + 3, p.Y + 3}));
}

// The date and the clock in white, each in its font, centred across the
// window at its place about the centre.
void PaintDateAndClock(Canvas& canvas, const PictureLayout& layout, const DateTimeParts& now) {
  using Place = Point (*)(const PictureFrame&, Point, TextExtent);
  const struct {
    const FontSpec& font;
    std::u16string text;
    Place place;
  } texts[] = {
      {layout.Fonts.Date, FormatShortDate(now.date, layout.Settings.Rus), DatePlace},
      {layout.Fonts.Clock, FormatClock(now.time, layout.Settings.TimeSeparator), ClockPlace},
  };
  for (const auto& t : texts) {
    canvas.SelectFont(t.font);
    canvas.SetTextColor(White);
    canvas.Text(t.place(layout.Frame, layout.CentreUnit, canvas.MeasureText(t.text)), t.text);
  }
}

void PaintFrameTexts(Canvas& canvas, const PictureLayout& layout) {
  canvas.SelectFont(layout.Fonts.FrameText);
  canvas.SetTextColor(FrameTextColour);
  canvas.SetTransparentMode();
  for (const PlacedText* text :
       {&layout.CloseHint, &layout.PersonName, &layout.PersonRest, &layout.Site, &layout.Title})
    if (!text->Text.empty()) canvas.Text(text->At, text->Text);
}

}  // namespace

void PaintScreen(Canvas& canvas, const PictureLayout& layout, const ClockReading& clock) {
  DayScan days;
  PaintScreen(canvas, layout, clock, days);
}

void PaintScreen(Canvas& canvas, const PictureLayout& layout, const ClockReading& clock, DayScan& days) {
  const PictureFrame& f = layout.Frame;
  PaintBackground(canvas, f.PixelWidth, f.PixelHeight);
  const bool ground = layout.Target.Kind == PictureKind::Cover;
  const bool preview = layout.Target.Kind == PictureKind::Preview;
  if (layout.Settings.ShowStars && !preview)
    PaintStarField(canvas, f.PixelWidth, f.PixelHeight, clock.StarSeed, layout.Target.Stars);
  if (ground) return;

  PaintDial(canvas, layout);
  if (preview) {
    canvas.Text(layout.Caption.At, layout.Caption.Text);
    return;
  }
  // The levels are the minute's; the arcs' scan changes with the day alone.
  const ModelFrame frame = ComputeModelFrame(clock.Now, layout.Settings.BirthMoment, days);
  PaintArcs(canvas, layout, frame.Scan);
  PaintHand(canvas, layout, frame.MinuteNow);
  PaintDateAndClock(canvas, layout, DecodeDateTime(clock.Now));
  PaintMeridianRing(canvas, layout, frame);
  PaintFrameTexts(canvas, layout);
}
