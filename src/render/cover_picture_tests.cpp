// The picture of a cover window drawn into a recording: the picture's
// background, stars at the picture's density, and nothing of the dial.
#include "cover_picture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "paint_trace.h"
#include "picture.h"  // the colours

namespace {

std::vector<TracedOp> Paint(const CoverInputs& in) {
  RecordingCanvas canvas;
  PaintCover(canvas, in);
  return Trace(canvas.Ops());
}

struct DensityCase {
  const char* name;
  std::int64_t coverArea;
  std::int64_t pictureArea;
  std::int32_t stars;
};
std::ostream& operator<<(std::ostream& os, const DensityCase& c) { return os << c.name; }

class StarDensity : public testing::TestWithParam<DensityCase> {};

TEST_P(StarDensity, FollowsThePicturesTwentyOneStarsPerItsArea) {
  EXPECT_EQ(CoverStarCount(GetParam().coverArea, GetParam().pictureArea), GetParam().stars);
}

INSTANTIATE_TEST_SUITE_P(
    Cover, StarDensity,
    testing::Values(DensityCase{"SameSize", 1920 * 1080, 1920 * 1080, 21},
                    // 1024x768 beside 1280x800: 786432 / 1024000 of 21 is 16.13.
                    DensityCase{"Smaller", 1024 * 768, 1280 * 800, 16},
                    DensityCase{"FourTimesTheArea", 3840 * 2160, 1920 * 1080, 84},
                    // 21 * 2 / 4 = 10.5 rounds away from zero.
                    DensityCase{"HalfAStarRoundsUp", 2, 4, 11},
                    DensityCase{"PictureWithoutArea", 1920 * 1080, 0, 0},
                    DensityCase{"NegativeArea", -100, 1920 * 1080, 0},
                    DensityCase{"HugeCoverIsBounded", std::int64_t{1} << 62, 1, 1000000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaintCover, IsThePicturesBackgroundWithItsBlackEdgeAndNothingElse) {
  const auto ops = Paint({1024, 768, false, 16, 7});
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(FormatOp(ops[0].Op), "Brush 0x001E0000");
  EXPECT_EQ(FormatOp(ops[1].Op), "Rectangle 0 0 1024 768");
  EXPECT_FALSE(ops[1].State.Pen.has_value()) << "the default pen draws the black edge";
}

TEST(PaintCover, StarsLikeThePicturesInNumberColourFontAndPlace) {
  std::set<std::pair<int, int>> places[2];
  for (std::uint32_t seed : {1u, 2u}) {
    const auto ops = Paint({1024, 768, true, 16, seed});
    const auto texts = OfKind(ops, OpKind::Text);
    ASSERT_EQ(texts.size(), 16u);
    for (const TracedOp& s : texts) {
      EXPECT_EQ(s.Op.Str, u"*");
      const Point p = At(s.Op);
      EXPECT_TRUE(p.X >= 0 && p.X < 1024 && p.Y >= 0 && p.Y < 768) << p;
      EXPECT_FALSE(s.State.Font.has_value()) << "the surface's default font, as the picture's stars";
      EXPECT_EQ(s.State.TextColour, StarColour);
      EXPECT_TRUE(s.State.Transparent);
      places[seed - 1].insert({p.X, p.Y});
    }
    // Nothing of the dial, the ring or the texts.
    EXPECT_TRUE(OfKind(ops, OpKind::Ellipse).empty());
    EXPECT_TRUE(OfKind(ops, OpKind::Font).empty());
  }
  EXPECT_NE(places[0], places[1]) << "a new seed gives new stars";
}

}  // namespace
