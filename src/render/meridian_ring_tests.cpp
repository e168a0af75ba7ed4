// The ring of meridian discs: which meridian stands where, badges and advice at
// the worked example's moment, and the text places at every kind of position.
#include "picture.h"

#include <gtest/gtest.h>

#include <set>

#include "dial_geometry.h"
#include "paint_trace.h"
#include "screen_texts.h"

namespace {

// The ring of a 1920x1080 picture at 96 DPI: its centre at (960, 540).
PictureLayout LayoutAt96(bool rus) {
  PictureSettings settings;
  settings.Rus = rus;
  return StandInLayout(settings, {1920, 1080});
}

struct Ring {
  ModelFrame Frame;
  std::vector<TracedOp> Ops;
};

Ring PaintRing(const ModelFrame& frame, bool rus) {
  Ring ring;
  ring.Frame = frame;
  RecordingCanvas canvas;
  canvas.SetTransparentMode();  // as the frame leaves it
  PaintMeridianRing(canvas, LayoutAt96(rus), ring.Frame);
  ring.Ops = Trace(canvas.Ops());
  return ring;
}

Ring PaintRing(TDateTime now, TDateTime birth, bool rus) { return PaintRing(ComputeModelFrame(now, birth), rus); }

// The operations of ring position I: from its disc up to the next one.
std::vector<TracedOp> Position(const std::vector<TracedOp>& ops, int i) {
  std::vector<TracedOp> out;
  int seen = -1;
  for (const TracedOp& t : ops) {
    if (t.Op.Kind == OpKind::Font && !t.Op.Args[1] && t.State.Font && t.State.Font->Italic) ++seen;
    if (t.Op.Kind == OpKind::Font && !t.State.Font) ++seen;
    if (seen == i) out.push_back(t);
  }
  return out;
}

const TDateTime WorkedNow = EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0);
const TDateTime WorkedBirth = EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0);

TEST(PaintMeridianRing, WorkedExampleShowsAdviceAtFourPositions) {
  const Ring ring = PaintRing(WorkedNow, WorkedBirth, false);
  const std::set<int> withAdvice = {4, 5, 8, 9};
  for (int i = 0; i < 12; ++i) {
    const int k = 11 - i;
    const auto ops = Position(ring.Ops, i);
    const auto texts = OfKind(ops, OpKind::Text);
    // code, percent, name, three advice lines or none, hint
    ASSERT_EQ(texts.size(), withAdvice.count(i) ? 7u : 4u) << "position " << i;
    EXPECT_EQ(texts[0].Op.Str, MeridianCode[k]);
    EXPECT_EQ(texts[1].Op.Str, FormatPercent(ring.Frame.LevelAtRing[i]));
    EXPECT_EQ(texts[2].Op.Str, MeridianNameEn[k]);
    EXPECT_EQ(texts.back().Op.Str, MeridianHintEn[k]);
    if (withAdvice.count(i)) {
      const auto lines = SplitAdviceLines(MeridianAdviceEn[k]);
      for (std::size_t l = 0; l < 3; ++l) EXPECT_EQ(texts[3 + l].Op.Str, lines[l]);
    }
  }
  EXPECT_EQ(OfKind(Position(ring.Ops, 4), OpKind::Text)[1].Op.Str, u"35%");
  EXPECT_EQ(OfKind(Position(ring.Ops, 5), OpKind::Text)[1].Op.Str, u"67%");
}

TEST(PaintMeridianRing, AdviceExactlyInTheGreenBandAndBadgesByBand) {
  struct LevelCase {
    int level;
    Colour badge;
    bool advice;
  };
  const LevelCase cases[12] = {{29, BandYellow, false}, {30, BandGreen, true},   {70, BandGreen, true},
                               {71, BandYellow, false}, {90, BandYellow, false}, {91, BandRed, false},
                               {50, BandGreen, true},   {0, BandRed, false},     {9, BandRed, false},
                               {10, BandYellow, false}, {100, BandRed, false},   {31, BandGreen, true}};
  ModelFrame frame;
  for (int i = 0; i < 12; ++i) frame.LevelAtRing[i] = cases[i].level;
  const auto ops = PaintRing(frame, false).Ops;
  for (int i = 0; i < 12; ++i) {
    const auto position = Position(ops, i);
    EXPECT_EQ(OfKind(position, OpKind::Ellipse)[1].State.Brush, cases[i].badge) << cases[i].level;
    const auto texts = OfKind(position, OpKind::Text);
    EXPECT_EQ(texts.size(), cases[i].advice ? 7u : 4u) << cases[i].level;
    EXPECT_EQ(texts[1].Op.Str, FormatPercent(cases[i].level));
  }
}

TEST(PaintMeridianRing, DiscsAndBadgesWithTheirColours) {
  const Ring ring = PaintRing(WorkedNow, WorkedBirth, true);
  // Some offsets of 145 come out as 144: the x87 sine of 30 degrees lies just
  // below 1/2 there, and the offset is cut toward zero.
  const Point discs[] = {{670, 540},  {709, 684},  {815, 791},  {960, 830}, {1104, 791}, {1211, 685},
                         {1250, 540}, {1211, 396}, {1105, 289}, {960, 250}, {815, 289},  {709, 395}};
  for (int i = 0; i < 12; ++i) {
    const int k = 11 - i;
    const auto ops = Position(ring.Ops, i);
    const auto ellipses = OfKind(ops, OpKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    const Point p = discs[i];
    EXPECT_EQ(BoxOf(ellipses[0].Op), (Box{p.X - 25, p.Y - 25, p.X + 25, p.Y + 25})) << i;
    EXPECT_EQ(ellipses[0].State.Brush, MeridianColor[k]);
    EXPECT_EQ(ellipses[0].State.Pen->Colour, Black);
    EXPECT_EQ(BoxOf(ellipses[1].Op), (Box{p.X - 15, p.Y - 6, p.X + 15, p.Y + 24})) << i;
    EXPECT_EQ(ellipses[1].State.Brush, LevelColor(ring.Frame.LevelAtRing[i]));
    EXPECT_EQ(ellipses[1].State.Pen->Colour, Black);

    const auto texts = OfKind(ops, OpKind::Text);
    EXPECT_EQ(texts[0].State.TextColour, Black);  // code
    EXPECT_EQ(texts[1].State.TextColour, Black);  // percent
    EXPECT_EQ(At(texts[0].Op).Y, p.Y - 22);
    EXPECT_EQ(At(texts[1].Op).Y, p.Y + 2);
    for (std::size_t t = 2; t < texts.size(); ++t) {
      EXPECT_EQ(texts[t].State.TextColour, MeridianColor[k]);
      EXPECT_EQ(texts[t].State.Font->Italic, t + 1 == texts.size()) << "only the hint is italic";
    }
    EXPECT_EQ(texts[2].Op.Str, MeridianNameRu[k]);
    EXPECT_EQ(texts.back().Op.Str, MeridianHintRu[k]);
  }
  EXPECT_EQ(OfKind(Position(ring.Ops, 0), OpKind::Text)[0].Op.Str, u"-F");  // the Liver
}

// Each disc stands where the dial shows its meridian's start hour: the ring's
// walk of the table and the table's hours tell the same clock.
TEST(PaintMeridianRing, EachDiscAtItsMeridiansStartHourOnTheDial) {
  const Ring ring = PaintRing(WorkedNow, WorkedBirth, false);
  const Point centre{960, 540};
  for (int i = 0; i < MeridianCount; ++i) {
    const int k = TableIndexOfRing(i);
    const auto ellipses = OfKind(Position(ring.Ops, i), OpKind::Ellipse);
    ASSERT_FALSE(ellipses.empty()) << i;
    const Box disc = BoxOf(ellipses[0].Op);
    const Point hour = TimePoint(centre, static_cast<float>(60 * MeridianHour[k]), RingRadius);
    EXPECT_NEAR((disc.Left + disc.Right) / 2, hour.X, 1) << "position " << i;
    EXPECT_NEAR((disc.Top + disc.Bottom) / 2, hour.Y, 1) << "position " << i;
  }
}

struct PlaceCase {
  int position;
  RingText what;
  int line;
  Point expected;  // for a 40 by 15 text at the disc (500, 500)
};

TEST(RingTextPlace, SidesAndRowsByPosition) {
  const PlaceCase cases[] = {
      {0, RingText::Name, 0, {430, 470}},   {0, RingText::Hint, 0, {430, 485}},
      {0, RingText::Advice, 2, {430, 530}}, {11, RingText::Advice, 0, {430, 500}},
      {3, RingText::Name, 0, {430, 530}},   {3, RingText::Hint, 0, {430, 545}},
      {3, RingText::Advice, 0, {530, 530}}, {3, RingText::Advice, 2, {530, 560}},
      {4, RingText::Name, 0, {530, 470}},   {8, RingText::Hint, 0, {530, 485}},
      {6, RingText::Advice, 1, {530, 515}}, {9, RingText::Name, 0, {430, 440}},
      {9, RingText::Hint, 0, {430, 455}},   {9, RingText::Advice, 0, {530, 440}},
      {9, RingText::Advice, 2, {530, 470}}, {10, RingText::Name, 0, {430, 470}},
  };
  for (const PlaceCase& c : cases)
    EXPECT_EQ(
        RingTextPlace(FrameAtDpi(1000, 1000, BaseDpi, BaseDpi), c.position, c.what, c.line, {500, 500}, {40, 15}),
        c.expected)
        << "position " << c.position << " kind " << int(c.what) << " line " << c.line;
}

TEST(PaintMeridianRing, TopPositionAdviceSharesTheNamesRow) {
  const Ring ring = PaintRing(WorkedNow, WorkedBirth, false);
  const auto texts = OfKind(Position(ring.Ops, 9), OpKind::Text);
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(At(texts[2].Op).Y, 250 - 60);  // name
  EXPECT_EQ(At(texts[3].Op).Y, 250 - 60);  // first advice line
  EXPECT_LT(At(texts[2].Op).X, 960);
  EXPECT_EQ(At(texts[3].Op).X, 990);
  EXPECT_EQ(At(texts.back().Op).Y, 250 - 45);  // hint
}

}  // namespace
