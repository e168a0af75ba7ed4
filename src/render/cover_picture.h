// What a cover window shows on a monitor other than the saver's: the ground of
// the saver's picture (background and, when on, stars at the picture's
// density), and no dial or texts.
#pragma once

#include <cstdint>

#include "canvas.h"

struct CoverInputs {
  std::int32_t Width = 0;  // in the same units as the picture's
  std::int32_t Height = 0;
  bool ShowStars = false;
  std::int32_t StarCount = 0;  // from CoverStarCount
  std::uint32_t StarSeed = 0;  // new for every paint
};

// The stars of an area at the density of the picture's StarCount over its own
// area, rounded to the nearest whole star; none when the picture has no area.
std::int32_t CoverStarCount(std::int64_t coverArea, std::int64_t pictureArea);

void PaintCover(Canvas& canvas, const CoverInputs& inputs);
