// What a cover window shows on a monitor other than the saver's is the ground
// of the saver's picture (background and, when on, stars at the picture's
// density), and no dial or texts: the picture of kind Cover, with this many stars.
#pragma once

#include <cstdint>

// The stars of an area at the density of the picture's StarCount over its own
// area, rounded to the nearest whole star; none when the picture has no area.
std::int32_t CoverStarCount(std::int64_t coverArea, std::int64_t pictureArea);
