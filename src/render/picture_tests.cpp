// The whole picture drawn into a recording: order, drawing state and places of
// the frame, the dial, the stars, the arcs, the hand, the date, the clock and
// the frame texts.
#include "picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "dial_geometry.h"
#include "paint_trace.h"
#include "site_address.h"

namespace {

TDateTime Moment(int y, int mo, int d, int h, int mi) { return EncodeDate(y, mo, d) + EncodeTime(h, mi, 0, 0); }

// What one paint depends on: the settings, the window and the clock.
struct Scene {
  PictureSettings Settings;
  PictureTarget Target{1920, 1080};
  ClockReading Clock;
};

Scene WorkedExample() {
  Scene in;
  in.Settings.ShowStars = false;
  in.Settings.UserName = u"Anna";
  in.Settings.BirthMoment = Moment(1985, 7, 1, 8, 30);
  in.Clock.Now = Moment(2021, 7, 10, 9, 40);
  return in;
}

std::vector<TracedOp> Paint(const Scene& in) {
  return PaintTraced(StandInLayout(in.Settings, in.Target), in.Clock);
}

std::vector<TracedOp> TextsSaying(const std::vector<TracedOp>& ops, std::u16string_view text) {
  std::vector<TracedOp> out;
  for (const TracedOp& t : OfKind(ops, OpKind::Text))
    if (t.Op.Str == text) out.push_back(t);
  return out;
}

TEST(PaintScreen, BackgroundFirstWithTheDefaultPen) {
  const auto ops = Paint(WorkedExample());
  ASSERT_GE(ops.size(), 2u);
  EXPECT_EQ(FormatOp(ops[0].Op), "Brush 0x001E0000");
  EXPECT_EQ(FormatOp(ops[1].Op), "Rectangle 0 0 1920 1080");
  EXPECT_FALSE(ops[1].State.Pen.has_value());
}

TEST(PaintScreen, PreviewIsTheDialAndACentredCaptionOnly) {
  Scene in = WorkedExample();
  in.Target = {152, 112, BaseDpi, PictureKind::Preview};
  in.Settings.ShowStars = true;  // no stars in the preview all the same
  const auto ops = Paint(in);
  std::vector<std::string> lines;
  for (const TracedOp& t : ops) lines.push_back(FormatOp(t.Op));
  const std::vector<std::string> head = {
      "Brush 0x001E0000", "Rectangle 0 0 152 112",     "Font 15 0",        "TextColor 0x00FFFFFF",
      "Pen 1 0x005E2F00", "Ellipse -164 -184 316 296", "Brush 0x005E2F00", "BkMode TRANSPARENT"};
  ASSERT_EQ(lines.size(), head.size() + 24 * 4 + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), head);
  // "Quellora": 8 units of 7 pixels, 15 high, centred in the window.
  EXPECT_EQ(lines.back(), "Text 48 48 \"Quellora\"");
  EXPECT_TRUE(OfKind(ops, OpKind::Arc).empty());
  EXPECT_TRUE(TextsSaying(ops, u"*").empty());
}

TEST(PaintScreen, TwentyOneStarsOnlyWhenAskedAndOutsideThePreview) {
  Scene in = WorkedExample();
  EXPECT_TRUE(TextsSaying(Paint(in), u"*").empty());

  in.Settings.ShowStars = true;
  std::set<std::pair<int, int>> places[2];
  for (std::uint32_t seed : {1u, 2u}) {
    in.Clock.StarSeed = seed;
    const auto ops = Paint(in);
    const auto stars = TextsSaying(ops, u"*");
    ASSERT_EQ(stars.size(), 21u);
    for (const TracedOp& s : stars) {
      const Point p = At(s.Op);
      EXPECT_TRUE(p.X >= 0 && p.X < 1920 && p.Y >= 0 && p.Y < 1080) << p;
      EXPECT_FALSE(s.State.Font.has_value()) << "stars use the surface's default font";
      EXPECT_EQ(s.State.TextColour, StarColour);
      EXPECT_TRUE(s.State.Transparent);
      places[seed - 1].insert({p.X, p.Y});
    }
    // The stars come before the dial so that its disc covers those inside it.
    EXPECT_EQ(ops[2].Op.Kind, OpKind::TextColor);
    EXPECT_EQ(OfKind(ops, OpKind::Ellipse).front().State.Brush, BackgroundColour);
  }
  EXPECT_NE(places[0], places[1]) << "a new seed gives new stars";
}

TEST(PaintScreen, EmptyWindowPutsEverythingAtTheOrigin) {
  Scene in = WorkedExample();
  in.Target.PixelWidth = 0;
  in.Target.PixelHeight = 0;
  in.Settings.ShowStars = true;
  const auto ops = Paint(in);
  for (const TracedOp& s : TextsSaying(ops, u"*")) EXPECT_EQ(At(s.Op), (Point{0, 0}));
  EXPECT_EQ(BoxOf(OfKind(ops, OpKind::Ellipse)[0].Op), (Box{-240, -240, 240, 240}));
  EXPECT_EQ(TextsSaying(ops, u"*").size(), 21u);
}

TEST(PaintScreen, SpokeLabelsTwoDigitsCentredOnTheirPoints) {
  const auto ops = Paint(WorkedExample());
  const auto texts = OfKind(ops, OpKind::Text);
  ASSERT_GE(texts.size(), 24u);
  const Point c{960, 540};
  for (int i = 1; i <= 24; ++i) {
    const int hour = 24 - i;
    const std::u16string label{char16_t(u'0' + hour / 10), char16_t(u'0' + hour % 10)};
    const TracedOp& t = texts[i - 1];
    EXPECT_EQ(t.Op.Str, label);
    EXPECT_EQ(t.State.TextColour, White);
    EXPECT_EQ(t.State.Font->Height, 15);
    // Each label is 14 by 15 in the recording: 7 left of and 7 above its point.
    const Point p = HourPoint(c, i, 24, 240);
    EXPECT_EQ(At(t.Op), (Point{p.X - 7, p.Y - 7})) << "label " << hour;
  }
  EXPECT_EQ(At(texts[23].Op), (Point{720 - 7, 540 - 7}));   // "00" left
  EXPECT_EQ(At(texts[17].Op), (Point{960 - 7, 300 - 7}));   // "06" above
  EXPECT_EQ(At(texts[11].Op), (Point{1200 - 7, 540 - 7}));  // "12" right
  EXPECT_EQ(At(texts[5].Op), (Point{960 - 7, 780 - 7}));    // "18" below
}

struct HandCase {
  int hour;
  Point tip;
};

TEST(PaintScreen, HandPointsAtTheCurrentMinute) {
  const HandCase cases[] = {{0, {720, 539}}, {6, {960, 300}}, {12, {1199, 540}}, {18, {959, 779}}};
  for (const HandCase& c : cases) {
    Scene in = WorkedExample();
    in.Clock.Now = Moment(2021, 7, 10, c.hour, 0);
    const auto ops = Paint(in);
    const auto lines = OfKind(ops, OpKind::LineTo);
    ASSERT_EQ(lines.size(), 25u);  // 24 spokes and the hand
    const TracedOp& hand = lines.back();
    EXPECT_EQ(At(hand.Op), c.tip) << c.hour;
    EXPECT_EQ(hand.State.Pen->Colour, White);
    EXPECT_EQ(hand.State.Pen->Width, 1);
    EXPECT_EQ(hand.State.Brush, White);
    // The tip circle follows the line at once.
    std::size_t last = 0;
    for (std::size_t i = 0; i < ops.size(); ++i)
      if (ops[i].Op.Kind == OpKind::LineTo) last = i;
    ASSERT_LT(last + 1, ops.size());
    EXPECT_EQ(FormatOp(ops[last + 1].Op),
              FormatOp(DrawOp{OpKind::Ellipse, {c.tip.X - 3, c.tip.Y - 3, c.tip.X + 3, c.tip.Y + 3}, {}}));
  }
}

TEST(PaintScreen, ClockUsesTheSeparatorAndDateTheProgramsMonths) {
  Scene in = WorkedExample();
  in.Settings.TimeSeparator = u".";
  in.Clock.Now = Moment(2020, 9, 5, 0, 0);
  for (bool rus : {false, true}) {
    in.Settings.Rus = rus;
    const auto ops = Paint(in);
    const auto date = TextsSaying(ops, rus ? u"05 Сен 2020" : u"05 Sep 2020");
    ASSERT_EQ(date.size(), 1u) << rus;
    // 11 units of 17 pixels, 35 high, its bottom 10 above the centre.
    EXPECT_EQ(At(date[0].Op), (Point{(1920 - 187) / 2, 540 - 35 - 10}));
    EXPECT_EQ(date[0].State.Font->Height, 35);
    const auto clock = TextsSaying(ops, u"00.00");
    ASSERT_EQ(clock.size(), 1u);
    EXPECT_EQ(At(clock[0].Op), (Point{(1920 - 150) / 2, 545}));
    EXPECT_EQ(clock[0].State.Font->Height, 60);
    EXPECT_EQ(clock[0].State.TextColour, White);
  }
}

TEST(PaintScreen, FrameTextsAtTheEdgesInGrey) {
  Scene in = WorkedExample();
  in.Settings.UserName = u"(specify in settings)";
  in.Settings.BirthMoment = EncodeDate(2000, 1, 1);
  auto ops = Paint(in);
  auto texts = OfKind(ops, OpKind::Text);
  ASSERT_GE(texts.size(), 5u);
  // The person text comes in two runs: the name, then the rest after it.
  const std::vector<TracedOp> frame(texts.end() - 5, texts.end());
  for (const TracedOp& t : frame) {
    EXPECT_EQ(t.State.TextColour, FrameTextColour);
    EXPECT_EQ(t.State.Font->Height, 20);
    EXPECT_FALSE(t.State.Font->Italic);
  }
  EXPECT_EQ(FormatOp(frame[0].Op), "Text 10 10 \"Close - any key\"");
  EXPECT_EQ(FormatOp(frame[1].Op), "Text 10 1050 \"(specify in settings)\"");
  EXPECT_EQ(FormatOp(frame[2].Op), "Text 220 1050 \", 01.01.2000 00:00\"");
  const int siteWidth = static_cast<int>(SiteCornerText.size()) * 10;
  EXPECT_EQ(At(frame[3].Op), (Point{1920 - siteWidth - 10, 1050}));
  EXPECT_NE(FormatOp(frame[3].Op).find("\"WWW.EXAMPLE.ORG/QUELLORA\""), std::string::npos);
  EXPECT_EQ(FormatOp(frame[4].Op), "Text 850 10 \"BIORHYTHMS OF QUELLORA\"");

  // An empty name: the person text is the rest alone, beginning with ", ".
  in.Settings.Rus = true;
  in.Settings.UserName.clear();
  in.Settings.TimeSeparator = u"-";
  texts = OfKind(Paint(in), OpKind::Text);
  EXPECT_EQ(texts[texts.size() - 4].Op.Str, u"Закрыть - любая клавиша");
  EXPECT_EQ(FormatOp(texts[texts.size() - 3].Op), "Text 10 1050 \", 01.01.2000 00-00\"");
  EXPECT_EQ(texts.back().Op.Str, u"БИОРИТМЫ КВЕЛЛОРА");
}

// The arcs of meridian k cover the minutes at which its level lies in the green
// band: an arc runs backwards in time from its start to its end point.
TEST(PaintScreen, ArcsOnTheirCirclesCoveringTheGreenBand) {
  int seen[3] = {0, 0, 0};  // meridians with no, one and two arcs
  for (const TDateTime now : {Moment(2021, 7, 10, 9, 40), Moment(2021, 1, 1, 12, 0), Moment(2021, 3, 30, 0, 0),
                              Moment(2020, 12, 31, 23, 59), Moment(2022, 10, 3, 5, 5)}) {
    Scene in = WorkedExample();
    in.Clock.Now = now;
    const ModelFrame frame = ComputeModelFrame(in.Clock.Now, in.Settings.BirthMoment);
    const auto ops = Paint(in);
    const Point c{960, 540};
    for (int k = 0; k < MeridianCount; ++k) {
      const int r = 110 + 10 * k;
      std::vector<TracedOp> arcs;
      for (const TracedOp& t : OfKind(ops, OpKind::Arc))
        if (t.State.Pen->Colour == MeridianColor[k] && t.State.Pen->Width == 5) arcs.push_back(t);
      const MeridianScan& s = frame.Scan;
      const std::size_t expected = s.UpperFirst[k] > 0 ? 2 : s.LowerLast[k] > 0 ? 1 : 0;
      ASSERT_EQ(arcs.size(), expected) << "k " << k;
      ++seen[expected];
      const float minutes[] = {s.UpperFirst[k], s.UpperMirror[k], s.LowerLast[k], s.LowerMirror[k]};
      for (const TracedOp& a : arcs) {
        EXPECT_EQ(BoxOf(a.Op), (Box{c.X - r, c.Y - r, c.X + r, c.Y + r}));
        const auto minuteAt = [&](Point p) {
          for (float m : minutes)
            if (TimePoint(c, m, r) == p) return static_cast<int>(m);
          return -1;
        };
        const int from = minuteAt({int(a.Op.Args[4]), int(a.Op.Args[5])});
        const int to = minuteAt({int(a.Op.Args[6]), int(a.Op.Args[7])});
        ASSERT_TRUE(from >= 0 && to >= 0) << a.Op;
        const int span = ((from - to) % 1440 + 1440) % 1440;
        const int middle = (to + span / 2) % 1440;
        const int level = MeridianLevel(k, middle, frame.NowPhase, frame.BirthPhase);
        EXPECT_TRUE(level >= 30 && level <= 70)
            << "k " << k << " arc " << a.Op << " middle " << middle << " level " << level;
      }
    }
  }
  EXPECT_GT(seen[2], 0);
  EXPECT_GT(seen[1] + seen[0], 0) << "no date above leaves a meridian with fewer than two arcs";
}

}  // namespace
