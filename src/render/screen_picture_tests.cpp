// The picture kept laid out between paints: a minute's repaint only draws, and
// a new size, scale or setting lays it out anew.
#include "screen_picture.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"

namespace {

// Counts the texts measured through it; draws into a recording.
class CountingCanvas final : public Canvas {
public:
  int Measured = 0;
  void SelectPen(const PenSpec& pen) override { inner_.SelectPen(pen); }
  void SelectBrush(Colour colour) override { inner_.SelectBrush(colour); }
  void SelectFont(const FontSpec& font) override { inner_.SelectFont(font); }
  void SetTextColor(Colour colour) override { inner_.SetTextColor(colour); }
  void SetTransparentMode() override { inner_.SetTransparentMode(); }
  void Rectangle(const Box& box) override { inner_.Rectangle(box); }
  void Ellipse(const Box& box) override { inner_.Ellipse(box); }
  void Arc(const Box& box, Point start, Point end) override { inner_.Arc(box, start, end); }
  void MoveTo(Point p) override { inner_.MoveTo(p); }
  void LineTo(Point p) override { inner_.LineTo(p); }
  void Text(Point p, std::u16string_view text) override { inner_.Text(p, text); }
  TextExtent MeasureText(std::u16string_view text) override {
    ++Measured;
    return inner_.MeasureText(text);
  }

private:
  RecordingCanvas inner_;
};

TDateTime At(int hour, int minute) { return EncodeDate(2021, 7, 10) + EncodeTime(hour, minute, 0, 0); }

TEST(ScreenPicture, AMinutesRepaintOnlyDrawsANewWindowOrSettingLaysOutAnew) {
  PictureSettings settings;
  settings.UserName = u"Anna";
  PictureTarget target{1366, 768, 120};
  ScreenPicture picture;
  CountingCanvas first;
  picture.Paint(first, settings, target, {At(9, 40), 1});
  EXPECT_EQ(picture.Layouts(), 1);
  // Laying out measures every text at each scale tried.
  EXPECT_GT(first.Measured, 100);

  // The next minutes: only the date, the clock and the twelve levels are measured.
  for (int minute = 41; minute <= 43; ++minute) {
    CountingCanvas next;
    picture.Paint(next, settings, target, {At(9, minute), 2});
    EXPECT_EQ(picture.Layouts(), 1) << minute;
    EXPECT_EQ(next.Measured, 2 + 12) << minute;
  }

  struct {
    const char* what;
    void (*change)(PictureSettings&, PictureTarget&);
  } const changes[] = {
      {"a new size", [](PictureSettings&, PictureTarget& t) { t.PixelWidth = 1920; }},
      {"a new scale", [](PictureSettings&, PictureTarget& t) { t.Dpi = 144; }},
      {"another language", [](PictureSettings& s, PictureTarget&) { s.Rus = true; }},
      {"another name", [](PictureSettings& s, PictureTarget&) { s.UserName = u"Jo"; }},
      {"the stars", [](PictureSettings& s, PictureTarget&) { s.ShowStars = !s.ShowStars; }},
      {"another separator", [](PictureSettings& s, PictureTarget&) { s.TimeSeparator = u"."; }},
      {"the preview", [](PictureSettings&, PictureTarget& t) { t.Kind = PictureKind::Preview; }},
  };
  int layouts = 1;
  for (const auto& c : changes) {
    c.change(settings, target);
    CountingCanvas canvas;
    picture.Paint(canvas, settings, target, {At(9, 44), 3});
    EXPECT_EQ(picture.Layouts(), ++layouts) << c.what;
    ASSERT_NE(picture.Layout(), nullptr);
    EXPECT_EQ(picture.Layout()->Target, target) << c.what;
  }
}

TEST(ScreenPicture, NothingIsDrawnBeforeALayout) {
  ScreenPicture picture;
  RecordingCanvas canvas;
  picture.Paint(canvas, {At(9, 40), 1});
  EXPECT_TRUE(canvas.Ops().empty());
  EXPECT_EQ(picture.Layout(), nullptr);
}

}  // namespace
