// The operation list's exact line form, the recording's stand-in measurement,
// and the pass-through to another canvas.
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include "paint_trace.h"
#include "text_utf.h"

namespace {

TEST(FormatOp, EveryKindInItsListForm) {
  RecordingCanvas c;
  c.SelectPen({5, 0x00CDCDCD});
  c.SelectBrush(0x001E0000);
  c.SelectFont({15, true});
  c.SetTextColor(0x00FFFFFF);
  c.SetTransparentMode();
  c.Rectangle({0, 0, 1920, 1080});
  c.Ellipse({-240, -240, 240, 240});
  c.Arc({850, 430, 1070, 650}, {851, 539}, {960, -1});
  c.MoveTo({960, 540});
  c.LineTo({720, 539});
  c.Text({10, 10}, u"Close - any key");
  EXPECT_EQ(FormatOps(c.Ops()),
            "Pen 5 0x00CDCDCD\n"
            "Brush 0x001E0000\n"
            "Font 15 1\n"
            "TextColor 0x00FFFFFF\n"
            "BkMode TRANSPARENT\n"
            "Rectangle 0 0 1920 1080\n"
            "Ellipse -240 -240 240 240\n"
            "Arc 850 430 1070 650 851 539 960 -1\n"
            "MoveTo 960 540\n"
            "LineTo 720 539\n"
            "Text 10 10 \"Close - any key\"\n");
}

TEST(FormatOp, TextIsUtf8WithQuotesAndBackslashesEscaped) {
  RecordingCanvas c;
  c.Text({1, 2}, u"say \"hi\" \\ now");
  c.Text({3, 4}, u"Сен");
  c.Text({5, 6}, u"");
  EXPECT_EQ(FormatOp(c.Ops()[0]), "Text 1 2 \"say \\\"hi\\\" \\\\ now\"");
  EXPECT_EQ(FormatOp(c.Ops()[1]), "Text 3 4 \"\xD0\xA1\xD0\xB5\xD0\xBD\"");
  EXPECT_EQ(FormatOp(c.Ops()[2]), "Text 5 6 \"\"");
}

TEST(RecordingCanvas, MeasuresHalfTheFontHeightPerUnit) {
  RecordingCanvas c;
  EXPECT_EQ(c.MeasureText(u"*").Width, 8);  // the default font before any selection
  EXPECT_EQ(c.MeasureText(u"*").Height, DefaultFontHeight);
  c.SelectFont({15, false});
  EXPECT_EQ(c.MeasureText(u"BIORHYTHMS").Width, 70);
  EXPECT_EQ(c.MeasureText(u"BIORHYTHMS").Height, 15);
  c.SelectFont({60, false});
  EXPECT_EQ(c.MeasureText(u"09:40").Width, 150);
  EXPECT_EQ(c.MeasureText(u"").Width, 0);
}

TEST(RecordingCanvas, PassesOnAndMeasuresWithItsTarget) {
  RecordingCanvas target;
  RecordingCanvas tee(&target);
  tee.SelectFont({20, false});
  tee.Text({7, 8}, u"ab");
  EXPECT_EQ(FormatOps(tee.Ops()), FormatOps(target.Ops()));
  EXPECT_EQ(tee.MeasureText(u"abcd").Width, 40);  // target's font, target's rule
  ASSERT_EQ(target.Ops().size(), 2u);
}

struct Utf8Case {
  std::string_view bytes;
  bool valid;
};

TEST(TextUtf, RoundTripsAndRejectsMalformedUtf8) {
  const Utf8Case cases[] = {
      {"", true},
      {"plain", true},
      {"\xD0\x9B\xD0\xB8", true},
      {"\xF0\x9F\x8C\x9F", true},  // outside the basic plane: a surrogate pair
      {"\xD0", false},
      {"\x80", false},
      {"\xC0\xAF", false},          // overlong
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"a\xE2\x82", false},
  };
  for (const Utf8Case& c : cases) {
    const auto wide = Utf16FromUtf8(c.bytes);
    ASSERT_EQ(wide.has_value(), c.valid) << c.bytes;
    if (wide) {
      EXPECT_EQ(Utf8FromUtf16(*wide), c.bytes);
    }
  }
  EXPECT_EQ(Utf16FromUtf8("\xF0\x9F\x8C\x9F")->size(), 2u);
  EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
