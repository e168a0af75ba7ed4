// The ground every picture of the saver starts from: the background with its
// black edge, and the star field.
#pragma once

#include <cstdint>

#include "canvas.h"

// The background colour's rectangle over width by height, drawn with the
// surface's default pen: a one-pixel black frame at the edges.
void PaintBackground(Canvas& canvas, std::int32_t width, std::int32_t height);

// count stars "*" in the star colour at places the generator seeded with seed
// picks within width by height, in the surface's default font.
void PaintStarField(Canvas& canvas, std::int32_t width, std::int32_t height, std::uint32_t seed, int count);
