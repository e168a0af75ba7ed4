// The ring of twelve meridian discs: code, level badge, name, hint and, in the
// green band, the advice lines beside each disc.
#include "picture.h"

#include "picture_places.h"
#include "screen_texts.h"

namespace {

// The positions between the bottom and the top (the right half) put their
// texts right of the disc; the others left, except that the bottom and top
// positions put their advice on the right.
bool NameOnRight(int i) { return i > RingBottom && i < RingTop; }
bool AdviceOnRight(int i) { return i >= RingBottom && i <= RingTop; }

std::int32_t SideX(const PictureFrame& frame, bool right, Point disc, TextExtent size) {
  return right ? frame.X(disc.X + 30) : frame.X(disc.X - 30) - size.Width;
}

}  // namespace

Point RingTextPlace(const PictureFrame& frame, int i, RingText what, int line, Point disc, TextExtent size) {
  const std::int32_t h = size.Height;
  const std::int32_t y = frame.Y(disc.Y);
  if (what == RingText::Advice) {
    const std::int32_t x = SideX(frame, AdviceOnRight(i), disc, size);
    if (i == RingBottom) return {x, y + (line + 2) * h};
    if (i == RingTop) return {x, y - (4 - line) * h};
    return {x, y + line * h};
  }
  const std::int32_t x = SideX(frame, NameOnRight(i), disc, size);
  const bool name = what == RingText::Name;
  if (i == RingBottom) return {x, y + (name ? 2 : 3) * h};
  if (i == RingTop) return {x, y - (name ? 4 : 3) * h};
  return {x, y - (name ? 2 : 1) * h};
}

void PaintMeridianRing(Canvas& canvas, const PictureLayout& layout, const ModelFrame& frame) {
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    const RingPlace& place = layout.Ring[i];

    canvas.SelectFont(layout.Fonts.Ring);
    canvas.SetTextColor(Black);
    canvas.SelectPen({layout.Frame.PenWidth(1), Black});
    canvas.SelectBrush(MeridianColor[k]);
    canvas.Ellipse(place.Disc);
    canvas.Text(place.Code.At, place.Code.Text);

    const std::int32_t level = frame.LevelAtRing[i];
    canvas.SelectBrush(LevelColor(level));
    canvas.Ellipse(place.Badge);
    const std::u16string percent = FormatPercent(level);
    const TextExtent percentSize = canvas.MeasureText(percent);
    canvas.Text({place.Centre.X - percentSize.Width / 2, place.PercentTop}, percent);

    canvas.SetTextColor(MeridianColor[k]);
    canvas.Text(place.Name.At, place.Name.Text);
    if (InGreenBand(level))
      for (const PlacedText& line : place.Advice) canvas.Text(line.At, line.Text);

    canvas.SelectFont(layout.Fonts.Hint);
    canvas.Text(place.Hint.At, place.Hint.Text);
  }
}
