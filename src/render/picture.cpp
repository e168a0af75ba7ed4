// The order of the whole paint and the drawing state of each step.
#include "picture.h"

#include "dial_geometry.h"
#include "picture_ground.h"
#include "picture_places.h"
#include "screen_texts.h"
#include "star_field.h"

namespace {

void PaintDial(Canvas& canvas, Point c) {
  canvas.SelectFont(LabelFont);
  canvas.SetTextColor(White);
  canvas.SelectPen({1, DialColour});
  // Still the background brush: the disc covers the stars that fell inside it.
  canvas.Ellipse(CircleBox(c, DialRadius));
  canvas.SelectBrush(DialColour);
  canvas.SetTransparentMode();
  for (int i = 1; i <= 24; ++i) {
    const Point p = HourPoint(c, i, 24, DialRadius);
    canvas.MoveTo(c);
    canvas.LineTo(p);
    canvas.Ellipse(CircleBox(p, SpokeCircleRadius));
    const std::u16string label = TwoDigits(24 - i);
    canvas.Text(LabelPlace(p, canvas.MeasureText(label)), label);
  }
}

void PaintCentred(Canvas& canvas, const ScreenInputs& in, std::u16string_view text) {
  const TextExtent size = canvas.MeasureText(text);
  canvas.Text({(in.Width - size.Width) / 2, (in.Height - size.Height) / 2}, text);
}

void PaintArcs(Canvas& canvas, Point c, const MeridianScan& scan) {
  for (int k = 0; k < MeridianCount; ++k) {
    canvas.SelectPen({5, MeridianColor[k]});
    const int r = 110 + 10 * k;
    const Box box{c.X - r, c.Y - r, c.X + r, c.Y + r};
    // Arcs run counterclockwise, backwards in time: each one covers the minutes
    // from its end point up to its start point.
    const auto at = [&](float minute) { return TimePoint(c, minute, r); };
    if (scan.UpperFirst[k] > 0) {
      canvas.Arc(box, at(scan.UpperMirror[k]), at(scan.LowerMirror[k]));
      canvas.Arc(box, at(scan.LowerLast[k]), at(scan.UpperFirst[k]));
    } else if (scan.LowerLast[k] > 0) {
      canvas.Arc(box, at(scan.LowerLast[k]), at(scan.LowerMirror[k]));
    }
  }
}

void PaintHand(Canvas& canvas, Point c, int minuteNow) {
  const Point p = TimePoint(c, static_cast<float>(minuteNow), DialRadius);
  canvas.SelectBrush(White);
  canvas.SelectPen({1, White});
  canvas.MoveTo(c);
  canvas.LineTo(p);
  canvas.Ellipse({p.X - 3, p.Y - 3, p.X + 3, p.Y + 3});
}

void PaintDateAndClock(Canvas& canvas, const ScreenInputs& in, Point c,
                       const DateTimeParts& now) {
  canvas.SelectFont(DateFont);
  canvas.SetTextColor(White);
  const std::u16string date = FormatShortDate(now.date, in.Rus);
  canvas.Text(DatePlace(in.Width, c, canvas.MeasureText(date)), date);

  canvas.SelectFont(ClockFont);
  canvas.SetTextColor(White);
  const std::u16string clock = FormatClock(now.time, in.TimeSeparator);
  canvas.Text(ClockPlace(in.Width, c, canvas.MeasureText(clock)), clock);
}

void PaintFrameTexts(Canvas& canvas, const ScreenInputs& in) {
  canvas.SelectFont(FrameTextFont);
  canvas.SetTextColor(FrameTextColour);
  canvas.SetTransparentMode();
  for (const FrameText which : FrameTexts) {
    const std::u16string text = FrameTextOf(which, in);
    canvas.Text(FrameTextPlace(which, in.Width, in.Height, canvas.MeasureText(text)), text);
  }
}

}  // namespace

void PaintScreen(Canvas& canvas, const ScreenInputs& in) {
  PaintBackground(canvas, in.Width, in.Height);
  // The scan is recomputed on every paint; it is cheap next to the drawing.
  const ModelFrame frame = ComputeModelFrame(in.Now, in.BirthMoment);
  if (in.ShowStars && !in.IsPreview) PaintStarField(canvas, in.Width, in.Height, in.StarSeed, StarCount);

  const Point c = DialCentre(in.Width, in.Height);
  PaintDial(canvas, c);
  if (in.IsPreview) {
    PaintCentred(canvas, in, PreviewCaption);
    return;
  }
  PaintArcs(canvas, c, frame.Scan);
  PaintHand(canvas, c, frame.MinuteNow);
  PaintDateAndClock(canvas, in, c, DecodeDateTime(in.Now));
  PaintMeridianRing(canvas, c, frame, in.Rus);
  PaintFrameTexts(canvas, in);
}
