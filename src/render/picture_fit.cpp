// The fit of the picture to its window: the rule a layout is judged by, and
// the search for the largest scale whose layout keeps it.
#include "picture_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "picture.h"
#include "picture_places.h"

namespace {

struct Circle {
  double X = 0, Y = 0, Radius = 0;
};

// The circle an ellipse box of the canvas draws: centred in its box.
Circle CircleOf(const Box& b) {
  return {(b.Left + b.Right) / 2.0, (b.Top + b.Bottom) / 2.0, (b.Right - b.Left) / 2.0};
}

struct JudgedText {
  Box Ink;
  std::int32_t Before = 0, After = 0;  // the overhangs within Ink
  int Group = 0;                       // texts of one group stand together by design
  bool InDial = false;                 // spoke labels, the date and the clock
};

JudgedText Judged(const PlacedText& t, int group, bool inDial = false) {
  return {t.Ink(), t.Size.InkBefore, t.Size.InkAfter, group, inDial};
}

bool Inside(const Box& b, const PictureFrame& f) {
  return b.Left >= EdgeRoom && b.Top >= EdgeRoom && b.Right <= f.PixelWidth - EdgeRoom &&
         b.Bottom <= f.PixelHeight - EdgeRoom;
}

bool Overlap(const Box& a, const Box& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

Box Grown(const Box& b, std::int32_t by) { return {b.Left - by, b.Top - by, b.Right + by, b.Bottom + by}; }

struct Corner {
  double X, Y;
};

double SquaredDistanceToSegment(const Circle& c, Corner a, Corner b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double length = dx * dx + dy * dy;
  const double t = length > 0 ? std::clamp(((c.X - a.X) * dx + (c.Y - a.Y) * dy) / length, 0.0, 1.0) : 0.0;
  const double x = a.X + t * dx - c.X, y = a.Y + t * dy - c.Y;
  return x * x + y * y;
}

// Whether a text's ink keeps at least gap from the circle. A letter reaches
// past the advance where it leans: a slanted or hooked last letter at the
// top, a first letter's tail at the bottom. So the ink is taken as the
// four-sided shape from the advance at the top-left and bottom-right to the
// overhangs at the top-right and bottom-left (a pixel column x covering x to x + 1).
bool Clear(const Box& b, std::int32_t before, std::int32_t after, const Circle& c, std::int32_t gap) {
  const Corner corners[] = {{double(b.Left + before), double(b.Top)},
                            {double(b.Right), double(b.Top)},
                            {double(b.Right - after), double(b.Bottom)},
                            {double(b.Left), double(b.Bottom)}};
  bool inside = true;
  double nearest = 1e300;
  for (int i = 0; i < 4; ++i) {
    const Corner a = corners[i], z = corners[(i + 1) % 4];
    // Clockwise on the screen (y down): the centre lies inside when it is on
    // the inner side of every edge.
    inside = inside && (z.X - a.X) * (c.Y - a.Y) - (z.Y - a.Y) * (c.X - a.X) >= 0;
    nearest = std::min(nearest, SquaredDistanceToSegment(c, a, z));
  }
  const double reach = c.Radius + gap;
  return !inside && nearest >= reach * reach;
}

bool Clear(const JudgedText& text, const Circle& c, std::int32_t gap) {
  return Clear(text.Ink, text.Before, text.After, c, gap);
}

std::vector<JudgedText> TextsOf(const PictureLayout& l) {
  std::vector<JudgedText> texts;
  int group = 0;
  // The texts of the dial, where the layout has them.
  for (const PlacedText& label : l.Labels)
    if (!label.Text.empty()) texts.push_back(Judged(label, group++, true));
  // The date above the centre and the clock below it stand together by design.
  const int dateAndClock = group++;
  for (const Box& room : {l.DateRoom, l.ClockRoom})
    if (room.Right > room.Left) texts.push_back({room, 0, 0, dateAndClock, true});
  for (int i = 0; i < MeridianCount; ++i) {
    const RingPlace& r = l.Ring[i];
    const int nameSide = group++;
    texts.push_back(Judged(r.Name, nameSide));
    texts.push_back(Judged(r.Hint, nameSide));
    // At the top and the bottom the advice stands on the other side of the disc.
    const int adviceSide = i == RingBottom || i == RingTop ? group++ : nameSide;
    for (const PlacedText& line : r.Advice) texts.push_back(Judged(line, adviceSide));
  }
  for (const PlacedText* t : {&l.CloseHint, &l.Title, &l.Site}) texts.push_back(Judged(*t, group++));
  // The person text's two runs stand side by side on one line: one text.
  JudgedText person = Judged(l.PersonRest, group++);
  if (!l.PersonName.Text.empty()) {
    const Box name = l.PersonName.Ink();
    person.Ink.Left = std::min(person.Ink.Left, name.Left);
    person.Before = l.PersonName.Size.InkBefore;
  }
  texts.push_back(person);
  return texts;
}

// How much smaller the part of the picture laid out about the centre (the
// ring and its texts) must be to fit the room about the centre: within the
// window's edges, and clear of the frame texts above and below what stands
// under them.
double RoomRatio(const PictureLayout& l) {
  const PictureFrame& f = l.Frame;
  const Point c = f.At(l.CentreUnit);
  std::vector<Box> centred;
  for (const RingPlace& r : l.Ring) {
    centred.push_back(r.Disc);
    centred.push_back(r.Name.Ink());
    centred.push_back(r.Hint.Ink());
    for (const PlacedText& line : r.Advice) centred.push_back(line.Ink());
  }
  double ratio = 1.0;
  // have / need for a distance from the centre that must shrink to have.
  const auto keep = [&](double have, double need) {
    if (need > have && need > 0) ratio = std::min(ratio, std::max(have, 0.0) / need);
  };
  for (const Box& b : centred) {
    keep(c.X - EdgeRoom, c.X - b.Left);
    keep(f.PixelWidth - EdgeRoom - c.X, b.Right - c.X);
    keep(c.Y - EdgeRoom, c.Y - b.Top);
    keep(f.PixelHeight - EdgeRoom - c.Y, b.Bottom - c.Y);
    for (const PlacedText* t : {&l.CloseHint, &l.Title, &l.PersonRest, &l.Site}) {
      const Box text = t->Ink();
      if (text.Right + TextGap <= b.Left || b.Right + TextGap <= text.Left) continue;
      if (text.Bottom <= c.Y)
        keep(c.Y - text.Bottom - TextGap, c.Y - b.Top);
      else
        keep(text.Top - TextGap - c.Y, b.Bottom - c.Y);
    }
  }
  return ratio;
}

}  // namespace

bool ClearOfCircle(const PlacedText& text, const Box& circle, std::int32_t gap) {
  return Clear(text.Ink(), text.Size.InkBefore, text.Size.InkAfter, CircleOf(circle), gap);
}

bool LayoutFits(const PictureLayout& l) {
  const PictureFrame& f = l.Frame;
  const Box dial = f.Of(CircleBox(l.CentreUnit, DialRadius + SpokeCircleRadius));
  if (!Inside(dial, f)) return false;
  std::vector<Circle> discs;
  for (const RingPlace& r : l.Ring) {
    if (!Inside(r.Disc, f)) return false;
    discs.push_back(CircleOf(r.Disc));
  }
  const Circle dialCircle = CircleOf(dial);
  const std::vector<JudgedText> texts = TextsOf(l);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const JudgedText& a = texts[i];
    if (!Inside(a.Ink, f)) return false;
    if (!a.InDial && !Clear(a, dialCircle, TextGap)) return false;
    for (const Circle& disc : discs)
      if (!Clear(a, disc, TextGap)) return false;
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const JudgedText& b = texts[j];
      if (a.Group != b.Group && Overlap(Grown(a.Ink, TextGap), b.Ink)) return false;
    }
  }
  return true;
}

std::int32_t FirstGuess(const PictureLayout& failed) {
  return std::max(MinFitDpi,
                  std::min(failed.Dpi - 1, static_cast<std::int32_t>(std::floor(failed.Dpi * RoomRatio(failed)))));
}
