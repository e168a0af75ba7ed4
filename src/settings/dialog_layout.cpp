// The settings dialog's places at a display's scale.
#include "dialog_layout.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "dialog_texts.h"

namespace {

// Everything lies inside a border of 10 units; the controls' extent is 300 x
// 385 units.
constexpr int Border = 10;
constexpr int ExtentWidth = 300;
constexpr int ExtentHeight = 385;
// The fields' column: wide enough at every scale for the widest field label
// in Tahoma («Время рождения», 106 pixels at 96 DPI) and a gap.
constexpr int FieldLeft = 115;
constexpr int FieldGap = 8;
constexpr int FieldHeight = 24;
constexpr int LabelHeight = 16;
constexpr int GroupLeft = 0;
constexpr int GroupTop = 140;

struct UnitBox {
  int Left, Top, Width, Height;
};

// Scaled by edges, so that boxes that meet at 96 DPI still meet.
ControlPlace Scaled(const UnitBox& box, int dpi) {
  const int left = UnitsToPixels(Border + box.Left, dpi);
  const int top = UnitsToPixels(Border + box.Top, dpi);
  return {left, top, UnitsToPixels(Border + box.Left + box.Width, dpi) - left,
          UnitsToPixels(Border + box.Top + box.Height, dpi) - top};
}

struct LabelSpot {
  DialogControl Label;
  int Left, Top;  // units, in the client area inside the border
};
constexpr std::array<LabelSpot, 10> LabelSpots = {{
    {DialogControl::LabelUser, 0, 55},
    {DialogControl::LabelDate, 0, 85},
    {DialogControl::LabelTime, 0, 115},
    {DialogControl::LabelCopyright, GroupLeft + 10, GroupTop + 25},
    {DialogControl::LabelCreator, GroupLeft + 10, GroupTop + 50},
    {DialogControl::LabelProgrammer, GroupLeft + 10, GroupTop + 75},
    {DialogControl::LabelWare, GroupLeft + 10, GroupTop + 100},
    {DialogControl::LabelVersion, GroupLeft + 10, GroupTop + 125},
    {DialogControl::Label9, GroupLeft + 10, GroupTop + 150},
    // One unit left of the others.
    {DialogControl::LabelSite, GroupLeft + 9, GroupTop + 175},
}};

}  // namespace

int UnitsToPixels(int units, int dpi) {
  if (dpi <= 0) dpi = 96;
  const std::int64_t scaled = std::int64_t{units} * dpi;
  return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

int DialogFontHeight(int dpi) { return UnitsToPixels(13, dpi); }

std::u16string_view LabelText(DialogControl label, bool english) {
  switch (label) {
    case DialogControl::LabelUser: return LanguageText(DialogText::LabelUser, english);
    case DialogControl::LabelDate: return LanguageText(DialogText::LabelDate, english);
    case DialogControl::LabelTime: return LanguageText(DialogText::LabelTime, english);
    case DialogControl::LabelCopyright: return LanguageText(DialogText::LabelCopyright, english);
    case DialogControl::LabelCreator: return LanguageText(DialogText::LabelCreator, english);
    case DialogControl::LabelProgrammer: return LanguageText(DialogText::LabelProgrammer, english);
    case DialogControl::LabelWare: return LanguageText(DialogText::LabelWare, english);
    case DialogControl::LabelVersion: return VersionText;
    case DialogControl::Label9: return ContactEmail;
    case DialogControl::LabelSite: return SiteBase;
    default: return {};
  }
}

DialogSize DialogClientSize(int dpi) {
  return {UnitsToPixels(ExtentWidth + 2 * Border, dpi), UnitsToPixels(ExtentHeight + 2 * Border, dpi)};
}

DialogLayout LayOutDialog(int dpi, bool english, const DialogTextMeasure& measure) {
  DialogLayout layout;
  layout.Dpi = dpi;
  const DialogSize client = DialogClientSize(dpi);
  layout.ClientWidth = client.Width;
  layout.ClientHeight = client.Height;
  auto place = [&layout](DialogControl control) -> ControlPlace& {
    return layout.Places[static_cast<std::size_t>(control)];
  };
  place(DialogControl::CheckBoxEnglish) = Scaled({0, 0, 117, 17}, dpi);
  place(DialogControl::CheckBoxStar) = Scaled({0, 25, 117, 17}, dpi);
  place(DialogControl::GroupBoxAbout) = Scaled({GroupLeft, GroupTop, ExtentWidth, 205}, dpi);
  place(DialogControl::BitBtnOk) = Scaled({220, 360, 80, 25}, dpi);

  // A label is as wide as its text, and at least as high as a line of it. In
  // the group box it ends inside the box's frame: a font much wider than
  // Tahoma cuts its text there rather than draw over the frame.
  const int labelHeight = std::max(UnitsToPixels(LabelHeight, dpi), measure.LineHeight);
  const int groupInside = UnitsToPixels(Border + GroupLeft + ExtentWidth - 2, dpi);
  for (const LabelSpot& spot : LabelSpots) {
    ControlPlace& label = place(spot.Label);
    label = Scaled({spot.Left, spot.Top, 0, 0}, dpi);
    label.Width = measure.Width(LabelText(spot.Label, english), spot.Label == DialogControl::LabelSite);
    if (spot.Top >= GroupTop) label.Width = std::min(label.Width, groupInside - label.Left);
    label.Height = labelHeight;
  }

  // The fields start at their column, or further right where a label of
  // either language (in a font wider than Tahoma, say) would reach it.
  int widestLabel = 0;
  for (DialogControl label : FieldLabels) {
    for (bool language : {false, true})
      widestLabel = std::max(widestLabel, measure.Width(LabelText(label, language), false));
  }
  const int fieldLeft = std::max(UnitsToPixels(Border + FieldLeft, dpi),
                                 UnitsToPixels(Border, dpi) + widestLabel + UnitsToPixels(FieldGap, dpi));
  const int fieldRight = UnitsToPixels(Border + ExtentWidth, dpi);
  const std::array<std::pair<DialogControl, int>, 3> fields = {{{DialogControl::EditUser, 50},
                                                                {DialogControl::DateTimePickerDate, 80},
                                                                {DialogControl::DateTimePickerTime, 110}}};
  for (const auto& [field, top] : fields) {
    ControlPlace& box = place(field);
    box = Scaled({0, top, 0, FieldHeight}, dpi);
    box.Left = fieldLeft;
    box.Width = std::max(fieldRight - fieldLeft, 0);
  }
  return layout;
}
