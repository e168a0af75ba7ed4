// The ring of twelve meridian discs: code, level badge, name, hint and, in the
// green band, the advice lines beside each disc.
#include "picture.h"

#include "dial_geometry.h"
#include "picture_places.h"
#include "screen_texts.h"

namespace {

// Positions 4 to 8 put their texts right of the disc; the others left, except
// that the bottom (3) and top (9) positions put their advice on the right.
bool NameOnRight(int i) { return i >= 4 && i <= 8; }
bool AdviceOnRight(int i) { return i >= 3 && i <= 9; }

std::int32_t SideX(bool right, Point disc, TextExtent size) {
  return right ? disc.X + 30 : disc.X - 30 - size.Width;
}

}  // namespace

Point RingTextPlace(int i, RingText what, int line, Point disc, TextExtent size) {
  const std::int32_t h = size.Height;
  if (what == RingText::Advice) {
    const std::int32_t x = SideX(AdviceOnRight(i), disc, size);
    if (i == 3) return {x, disc.Y + (line + 2) * h};
    if (i == 9) return {x, disc.Y - (4 - line) * h};
    return {x, disc.Y + line * h};
  }
  const std::int32_t x = SideX(NameOnRight(i), disc, size);
  const bool name = what == RingText::Name;
  if (i == 3) return {x, disc.Y + (name ? 2 : 3) * h};
  if (i == 9) return {x, disc.Y - (name ? 4 : 3) * h};
  return {x, disc.Y - (name ? 2 : 1) * h};
}

void PaintMeridianRing(Canvas& canvas, Point centre, const ModelFrame& frame, bool rus) {
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    const Point p = HourPoint(centre, i, 12, RingRadius);

    canvas.SelectFont(RingFont);
    canvas.SetTextColor(Black);
    canvas.SelectPen({1, Black});
    canvas.SelectBrush(MeridianColor[k]);
    canvas.Ellipse(CircleBox(p, DiscRadius));

    const TextExtent codeSize = canvas.MeasureText(MeridianCode[k]);
    canvas.Text({p.X - codeSize.Width / 2, p.Y - 22}, MeridianCode[k]);

    const std::int32_t level = frame.LevelAtRing[i];
    canvas.SelectBrush(LevelColor(level));
    canvas.Ellipse({p.X - 15, p.Y - 6, p.X + 15, p.Y + 24});
    const std::u16string percent = FormatPercent(level);
    const TextExtent percentSize = canvas.MeasureText(percent);
    canvas.Text({p.X - percentSize.Width / 2, p.Y + 2}, percent);

    canvas.SetTextColor(MeridianColor[k]);
    const Text name = rus ? MeridianNameRu[k] : MeridianNameEn[k];
    const TextExtent nameSize = canvas.MeasureText(name);
    canvas.Text(RingTextPlace(i, RingText::Name, 0, p, nameSize), name);

    if (InGreenBand(level)) {
      const auto lines = SplitAdviceLines(rus ? MeridianAdviceRu[k] : MeridianAdviceEn[k]);
      for (std::size_t line = 0; line < lines.size(); ++line) {
        const TextExtent lineSize = canvas.MeasureText(lines[line]);
        canvas.Text(RingTextPlace(i, RingText::Advice, static_cast<int>(line), p, lineSize),
                    lines[line]);
      }
    }

    canvas.SelectFont(HintFont);
    const Text hint = rus ? MeridianHintRu[k] : MeridianHintEn[k];
    const TextExtent hintSize = canvas.MeasureText(hint);
    canvas.Text(RingTextPlace(i, RingText::Hint, 0, p, hintSize), hint);
  }
}
