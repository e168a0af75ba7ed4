// Laying the picture out at a scale: every anchor from the picture's units
// into the window's pixels, every text measured in its font at that scale and
// placed about its anchor; then the largest scale that fits, and the name cut
// to the room the layout leaves it.
#include "picture_layout.h"

#include <algorithm>
#include <cstdint>

#include "dial_geometry.h"
#include "person_text.h"
#include "picture.h"
#include "picture_fit.h"
#include "picture_places.h"
#include "screen_texts.h"
#include "site_address.h"
#include "text_measure.h"

namespace {

PlacedText Measured(TextMeasurer& m, const FontSpec& font, std::u16string_view text) {
  const TextExtent size = m.Measure(font, text);
  return {std::u16string(text), {}, size};
}

// The widest text a place can show in font: each candidate text measured.
template <class Texts>
TextExtent Widest(TextMeasurer& m, const FontSpec& font, const Texts& texts) {
  TextExtent widest;
  for (const auto& text : texts) {
    const TextExtent size = m.Measure(font, text);
    if (size.Width + size.InkBefore + size.InkAfter > widest.Width + widest.InkBefore + widest.InkAfter)
      widest = size;
  }
  return widest;
}

Box RoomAt(Point at, TextExtent size) { return PlacedText{{}, at, size}.Ink(); }

// The digit that measures widest in font.
char16_t WidestDigit(TextMeasurer& m, const FontSpec& font) {
  char16_t widest = u'0';
  std::int32_t width = -1;
  for (char16_t d = u'0'; d <= u'9'; ++d) {
    const TextExtent size = m.Measure(font, std::u16string(1, d));
    if (size.Width + size.InkAfter > width) width = size.Width + size.InkAfter, widest = d;
  }
  return widest;
}

// The widest date and clock any moment can give: every month with the widest
// digit everywhere (the digits are drawn at their own advances, side by side).
void LayOutDateAndClock(PictureLayout& l, TextMeasurer& m) {
  const char16_t digit = WidestDigit(m, l.Fonts.Date);
  std::u16string dates[12];
  for (int month = 0; month < 12; ++month) {
    const std::u16string_view name = (l.Settings.Rus ? MonthAbbrRu : MonthAbbrEn)[month];
    dates[month] = std::u16string(2, digit) + u' ' + std::u16string(name) + u' ' + std::u16string(4, digit);
  }
  const TextExtent date = Widest(m, l.Fonts.Date, dates);
  l.DateRoom = RoomAt(DatePlace(l.Frame, l.CentreUnit, date), date);

  const char16_t clockDigit = WidestDigit(m, l.Fonts.Clock);
  const std::u16string clockText =
      std::u16string(2, clockDigit) + l.Settings.TimeSeparator + std::u16string(2, clockDigit);
  const TextExtent clock = m.Measure(l.Fonts.Clock, clockText);
  l.ClockRoom = RoomAt(ClockPlace(l.Frame, l.CentreUnit, clock), clock);
}

// A text beside its disc stands 30 units from the disc's centre; where a
// letter's lean or the hinting of a small size brings its ink within the gap
// of the disc, it moves away from it, a pixel at a time.
void KeepClearOfDisc(PlacedText& text, const RingPlace& disc) {
  const bool left = text.At.X + text.Size.Width / 2 < disc.Centre.X;
  for (int step = 0; step < 64 && !ClearOfCircle(text, disc.Disc, TextGap); ++step) text.At.X += left ? -1 : 1;
}

// The discs and their texts; all upright texts first, then the hints, so the
// measuring canvas changes its font twice, not for every disc.
void LayOutRing(PictureLayout& l, TextMeasurer& m) {
  const PictureFrame& f = l.Frame;
  const bool rus = l.Settings.Rus;
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    RingPlace& r = l.Ring[i];
    r.Unit = HourPoint(l.CentreUnit, i, MeridianCount, RingRadius);
    const Point u = r.Unit;
    r.Centre = f.At(u);
    r.Disc = f.Of(CircleBox(u, DiscRadius));
    r.Badge = f.Of({u.X - 15, u.Y - 6, u.X + 15, u.Y + 24});
    r.Code = Measured(m, l.Fonts.Ring, MeridianCode[k]);
    r.Code.At = {r.Centre.X - r.Code.Size.Width / 2, f.Y(u.Y - 22)};
    r.PercentTop = f.Y(u.Y + 2);
    r.Name = Measured(m, l.Fonts.Ring, rus ? MeridianNameRu[k] : MeridianNameEn[k]);
    r.Name.At = RingTextPlace(f, i, RingText::Name, 0, u, r.Name.Size);
    KeepClearOfDisc(r.Name, r);
    r.Advice.clear();
    for (const std::u16string_view line : SplitAdviceLines(rus ? MeridianAdviceRu[k] : MeridianAdviceEn[k])) {
      PlacedText text = Measured(m, l.Fonts.Ring, line);
      text.At = RingTextPlace(f, i, RingText::Advice, static_cast<int>(r.Advice.size()), u, text.Size);
      KeepClearOfDisc(text, r);
      r.Advice.push_back(std::move(text));
    }
  }
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    RingPlace& r = l.Ring[i];
    r.Hint = Measured(m, l.Fonts.Hint, rus ? MeridianHintRu[k] : MeridianHintEn[k]);
    r.Hint.At = RingTextPlace(f, i, RingText::Hint, 0, r.Unit, r.Hint.Size);
    KeepClearOfDisc(r.Hint, r);
  }
}

// The frame texts, the person text as the fit judges it: whatever the name,
// a "…" stands for it, so the name never makes the picture smaller.
void LayOutFrameTexts(PictureLayout& l, TextMeasurer& m) {
  const PictureFrame& f = l.Frame;
  const FontSpec& font = l.Fonts.FrameText;
  l.CloseHint = Measured(m, font, l.Settings.Rus ? CloseHintRu : CloseHintEn);
  l.CloseHint.At = CloseHintPlace(f);
  l.Title = Measured(m, font, l.Settings.Rus ? TitleRu : TitleEn);
  l.Title.At = TitlePlace(f, l.Title.Size);
  l.Site = Measured(m, font, SiteCornerText);
  l.Site.At = SitePlace(f, l.Site.Size);
  l.PersonName = {};
  std::u16string rest = u", " + FormatBirthMoment(l.Settings.BirthMoment, l.Settings.TimeSeparator);
  if (!DrawnName(l.Settings.UserName).empty()) rest = Ellipsis + rest;
  l.PersonRest = Measured(m, font, rest);
  l.PersonRest.At = PersonPlace(f, l.PersonRest.Size);
}

// The texts in the dial (the spoke labels, the date and the clock) lie inside
// it at every scale: the search for the scale leaves them out.
enum class DialTexts { Measured, Left };

PictureLayout LayOutAt(const PictureSettings& s, const PictureTarget& t, std::int32_t dpi, TextMeasurer& m,
                       DialTexts dialTexts = DialTexts::Measured) {
  PictureLayout l;
  l.Settings = s;
  l.Target = t;
  l.Dpi = dpi;
  l.Frame = FrameAtDpi(t.PixelWidth, t.PixelHeight, dpi, dpi);
  const PictureFrame& f = l.Frame;
  l.CentreUnit = DialCentre(f.Width, f.Height);
  l.Fonts = {Scaled(f, LabelFont), Scaled(f, RingFont),  Scaled(f, HintFont),
             Scaled(f, DateFont),  Scaled(f, ClockFont), Scaled(f, FrameTextFont)};
  if (t.Kind == PictureKind::Cover) return l;

  for (int i = 1; i <= 24 && dialTexts == DialTexts::Measured; ++i) {
    PlacedText& label = l.Labels[i - 1];
    label = Measured(m, l.Fonts.Label, TwoDigits(24 - i));
    label.At = CentredOn(f.At(HourPoint(l.CentreUnit, i, 24, DialRadius)), label.Size);
  }
  if (t.Kind == PictureKind::Preview) {
    l.Caption = Measured(m, l.Fonts.Label, PreviewCaption);
    l.Caption.At = {(f.PixelWidth - l.Caption.Size.Width) / 2, (f.PixelHeight - l.Caption.Size.Height) / 2};
    return l;
  }
  LayOutRing(l, m);
  if (dialTexts == DialTexts::Measured) LayOutDateAndClock(l, m);
  LayOutFrameTexts(l, m);
  return l;
}

// The name in the room between the left edge's inset and whatever stands
// right of it in its row (the site address, or on a small screen a ring
// text or disc), less the gap; cut with "…" where it does not fit whole.
void LayOutPersonName(PictureLayout& l, TextMeasurer& m) {
  const std::u16string name = DrawnName(l.Settings.UserName);
  if (name.empty()) return;
  const FontSpec& font = l.Fonts.FrameText;
  const Point start = l.PersonRest.At;
  const std::int32_t top = start.Y - TextGap, bottom = start.Y + l.PersonRest.Size.Height + TextGap;
  std::int32_t limit = l.Frame.PixelWidth - EdgeRoom;
  const auto block = [&](const Box& b) {
    if (b.Top < bottom && top < b.Bottom && b.Right > start.X) limit = std::min(limit, b.Left - TextGap);
  };
  block(l.Site.Ink());
  block(l.Title.Ink());
  block(l.DateRoom);
  block(l.ClockRoom);
  for (const PlacedText& label : l.Labels) block(label.Ink());
  block(l.Frame.Of(CircleBox(l.CentreUnit, DialRadius + SpokeCircleRadius)));
  for (const RingPlace& r : l.Ring) {
    block(r.Disc);
    for (const PlacedText* t : {&r.Name, &r.Hint}) block(t->Ink());
    for (const PlacedText& line : r.Advice) block(line.Ink());
  }

  std::u16string rest = u", " + FormatBirthMoment(l.Settings.BirthMoment, l.Settings.TimeSeparator);
  const TextExtent whole = m.Measure(font, name);
  const TextExtent restSize = m.Measure(font, rest);
  std::u16string drawn = name;
  if (start.X + whole.Width + restSize.Width + restSize.InkAfter > limit) {
    rest = Ellipsis + rest;
    const TextExtent cutRest = m.Measure(font, rest);
    const std::int32_t room = limit - start.X - cutRest.Width - cutRest.InkAfter;
    drawn = LongestStartWithin(name, room, [&](std::u16string_view text) { return m.Measure(font, text); });
  }
  l.PersonName = Measured(m, font, drawn);
  l.PersonName.At = start;
  l.PersonRest = Measured(m, font, rest);
  l.PersonRest.At = {start.X + l.PersonName.Size.Width, start.Y};
}

}  // namespace

PictureLayout LayOutPicture(const PictureSettings& settings, const PictureTarget& target, Canvas& measure) {
  TextMeasurer m(measure);
  const std::int32_t display = DisplayDpi(target.Dpi);
  if (target.Kind != PictureKind::Saver || target.PixelWidth <= 0 || target.PixelHeight <= 0)
    return LayOutAt(settings, target, display, m);
  const auto at = [&](std::int32_t dpi) { return LayOutAt(settings, target, dpi, m, DialTexts::Left); };
  std::int32_t dpi = ScreenDpi(display, target.PixelWidth, target.PixelHeight);
  if (dpi > MinFitDpi) {
    const PictureLayout asked = at(dpi);
    if (!LayoutFits(asked))
      dpi = LargestDpi(dpi, FirstGuess(asked), [&](std::int32_t candidate) { return LayoutFits(at(candidate)); });
  }
  // Again at that scale, whole: what was measured for the search is kept.
  PictureLayout layout = LayOutAt(settings, target, dpi, m);
  LayOutPersonName(layout, m);
  return layout;
}

PictureLayout LayOutPictureAt(const PictureSettings& settings, const PictureTarget& target, std::int32_t dpi,
                              Canvas& measure) {
  TextMeasurer m(measure);
  PictureLayout layout = LayOutAt(settings, target, dpi, m);
  if (target.Kind == PictureKind::Saver) LayOutPersonName(layout, m);
  return layout;
}
