// The picture of a cover window drawn into a recording: the picture's
// background, and stars at the picture's density or none.
#include "cover_picture.h"

#include <gtest/gtest.h>

#include <set>

#include "paint_trace.h"

namespace {

TEST(CoverStarCount, FollowsThePicturesTwentyOneStarsPerItsArea) {
  struct {
    std::int64_t coverArea, pictureArea;
    std::int32_t stars;
  } const cases[] = {
      {1920 * 1080, 1920 * 1080, 21},
      {1024 * 768, 1280 * 800, 16},  // 21 * 786432 / 1024000 = 16.13
      {3840 * 2160, 1920 * 1080, 84},
      {2, 4, 11},  // 10.5 rounds away from zero
      {1920 * 1080, 0, 0},
      {-100, 1920 * 1080, 0},
      {std::int64_t{1} << 62, 1, 1000000},  // bounded, no overflow
  };
  for (const auto& c : cases)
    EXPECT_EQ(CoverStarCount(c.coverArea, c.pictureArea), c.stars) << c.coverArea << " / " << c.pictureArea;
}

// A cover's picture: the kind Cover of a 1024x768 window with 16 stars.
std::vector<TracedOp> Cover(bool stars, std::uint32_t seed) {
  PictureSettings settings;
  settings.ShowStars = stars;
  return PaintTraced(StandInLayout(settings, {1024, 768, BaseDpi, PictureKind::Cover, 16}), {0, seed});
}

TEST(PaintCover, ThePicturesBackgroundAndItsStarsOnlyWhenOn) {
  const auto ops = Cover(false, 7);
  ASSERT_EQ(ops.size(), 2u) << "nothing but the background without stars";
  EXPECT_EQ(FormatOp(ops[0].Op), "Brush 0x001E0000");
  EXPECT_EQ(FormatOp(ops[1].Op), "Rectangle 0 0 1024 768");
  EXPECT_FALSE(ops[1].State.Pen.has_value()) << "the default pen draws the black edge";

  std::set<std::pair<int, int>> places[2];
  for (std::uint32_t seed : {1u, 2u}) {
    const auto texts = OfKind(Cover(true, seed), OpKind::Text);
    ASSERT_EQ(texts.size(), 16u);
    for (const TracedOp& s : texts) {
      const Point p = At(s.Op);
      EXPECT_TRUE(s.Op.Str == u"*" && p.X >= 0 && p.X < 1024 && p.Y >= 0 && p.Y < 768) << s.Op;
      EXPECT_FALSE(s.State.Font.has_value()) << "the surface's default font, as the picture's stars";
      EXPECT_EQ(s.State.TextColour, StarColour);
      places[seed - 1].insert({p.X, p.Y});
    }
  }
  EXPECT_NE(places[0], places[1]) << "a new seed gives new stars";
}

}  // namespace
