// Tests of the settings dialog's places at a display's scale, with texts
// measured as a font of a given width per character would measure them.
#include "dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dialog_texts.h"

namespace {

// A font whose characters are all `perCharacter` times its height wide (Tahoma
// is about 0.5; a fallback font may be much wider).
DialogTextMeasure FontOfWidth(int dpi, double perCharacter) {
  const int height = DialogFontHeight(dpi);
  return {[height, perCharacter](std::u16string_view text, bool) {
            return static_cast<int>(static_cast<double>(text.size()) * height * perCharacter + 0.5);
          },
          height + height / 4};
}

bool Overlap(const ControlPlace& a, const ControlPlace& b) {
  return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}
bool Inside(const ControlPlace& inner, const ControlPlace& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}
bool IsGroupLabel(DialogControl control) {
  return std::find(GroupLabels.begin(), GroupLabels.end(), control) != GroupLabels.end();
}

TEST(UnitsToPixels, RoundsToTheNearestPixel) {
  const struct {
    int units, dpi, pixels;
  } cases[] = {
      {13, 96, 13},  {13, 120, 16}, {13, 144, 20},   {13, 192, 26}, {405, 144, 608}, {1, 144, 2},
      {16, 120, 20}, {0, 144, 0},   {-10, 144, -15}, {320, 0, 320}, {320, -5, 320},  {100, 48, 50},
  };
  for (const auto& c : cases) EXPECT_EQ(UnitsToPixels(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
}

// At every scale, in both languages and with a narrow or a wide font: every
// control inside the client area, none over another, the group's labels
// inside the group box, each label as high as its text and, in a font no
// wider than Tahoma, as wide.
TEST(LayOutDialog, NothingOverlapsAtAnyScaleInEitherLanguage) {
  for (const int dpi : {72, 96, 120, 144, 168, 192, 288}) {
    for (const double perCharacter : {0.4, 0.55, 0.7}) {
      for (const bool english : {false, true}) {
        SCOPED_TRACE(testing::Message() << dpi << " DPI, " << perCharacter << ", english " << english);
        const DialogTextMeasure measure = FontOfWidth(dpi, perCharacter);
        const DialogLayout layout = LayOutDialog(dpi, english, measure);
        const ControlPlace client{0, 0, layout.ClientWidth, layout.ClientHeight};
        const ControlPlace& group = layout[DialogControl::GroupBoxAbout];
        for (std::size_t i = 0; i < DialogControlCount; ++i) {
          const auto control = static_cast<DialogControl>(i);
          const ControlPlace& place = layout.Places[i];
          SCOPED_TRACE(i);
          EXPECT_GT(place.Width, 0);
          EXPECT_TRUE(Inside(place, client));
          if (IsGroupLabel(control)) {
            EXPECT_TRUE(Inside(place, group));
          }
          for (std::size_t j = i + 1; j < DialogControlCount; ++j) {
            const auto other = static_cast<DialogControl>(j);
            if ((control == DialogControl::GroupBoxAbout && IsGroupLabel(other)) ||
                (other == DialogControl::GroupBoxAbout && IsGroupLabel(control)))
              continue;
            EXPECT_FALSE(Overlap(place, layout.Places[j])) << "with " << j;
          }
        }
        for (std::size_t i = 0; i < DialogControlCount; ++i) {
          const auto control = static_cast<DialogControl>(i);
          const std::u16string_view text = LabelText(control, english);
          if (text.empty()) continue;
          if (perCharacter <= 0.55) {
            EXPECT_EQ(layout.Places[i].Width, measure.Width(text, control == DialogControl::LabelSite)) << i;
          }
          EXPECT_GE(layout.Places[i].Height, measure.LineHeight) << i;
        }
      }
    }
  }
}

// Where Tahoma's labels fit, the places are the 96-DPI ones scaled, to a pixel.
TEST(LayOutDialog, ScalesThePlacesOf96Dpi) {
  const struct {
    DialogControl control;
    int left, top, width, height;  // at 96 DPI, in the client area
  } places[] = {
      {DialogControl::CheckBoxEnglish, 10, 10, 117, 17},
      {DialogControl::CheckBoxStar, 10, 35, 117, 17},
      {DialogControl::EditUser, 125, 60, 185, 24},
      {DialogControl::DateTimePickerDate, 125, 90, 185, 24},
      {DialogControl::DateTimePickerTime, 125, 120, 185, 24},
      {DialogControl::GroupBoxAbout, 10, 150, 300, 205},
      {DialogControl::BitBtnOk, 230, 370, 80, 25},
      {DialogControl::LabelUser, 10, 65, 0, 0},
      {DialogControl::LabelTime, 10, 125, 0, 0},
      {DialogControl::LabelCopyright, 20, 175, 0, 0},
      {DialogControl::LabelSite, 19, 325, 0, 0},
  };
  for (const int dpi : {96, 120, 144, 192}) {
    const DialogLayout layout = LayOutDialog(dpi, false, FontOfWidth(dpi, 0.5));
    EXPECT_NEAR(layout.ClientWidth, 320.0 * dpi / 96, 0.5) << dpi;
    EXPECT_NEAR(layout.ClientHeight, 405.0 * dpi / 96, 0.5) << dpi;
    for (const auto& p : places) {
      SCOPED_TRACE(testing::Message() << dpi << " DPI, control " << static_cast<int>(p.control));
      const ControlPlace& place = layout[p.control];
      EXPECT_NEAR(place.Left, p.left * dpi / 96.0, 1.0);
      EXPECT_NEAR(place.Top, p.top * dpi / 96.0, 1.0);
      if (p.width == 0) continue;  // a label: its text's width
      EXPECT_NEAR(place.Right(), (p.left + p.width) * dpi / 96.0, 1.0);
      EXPECT_NEAR(place.Bottom(), (p.top + p.height) * dpi / 96.0, 1.0);
    }
  }
}

// A label wider than the fields' column (a font wider than Tahoma) pushes the
// fields right, in both languages alike, and they still end at the right edge.
TEST(LayOutDialog, FieldsStandRightOfTheWidestLabelOfEitherLanguage) {
  for (const int dpi : {96, 144}) {
    for (const double perCharacter : {0.5, 0.9}) {
      SCOPED_TRACE(testing::Message() << dpi << " DPI, " << perCharacter);
      const DialogTextMeasure measure = FontOfWidth(dpi, perCharacter);
      const DialogLayout russian = LayOutDialog(dpi, false, measure);
      const DialogLayout english = LayOutDialog(dpi, true, measure);
      int widest = 0;
      for (DialogControl label : FieldLabels) {
        for (bool language : {false, true})
          widest = std::max(widest, measure.Width(LabelText(label, language), false));
      }
      for (DialogControl field :
           {DialogControl::EditUser, DialogControl::DateTimePickerDate, DialogControl::DateTimePickerTime}) {
        EXPECT_EQ(russian[field].Left, english[field].Left);
        EXPECT_GE(russian[field].Left, russian[DialogControl::LabelUser].Left + widest + UnitsToPixels(8, dpi));
        EXPECT_EQ(russian[field].Right(), UnitsToPixels(310, dpi));
      }
    }
  }
}

}  // namespace
