// Whether a layout of the picture fits its window, and the search for the
// largest scale at which it does. Portable: the layouts are made on whatever
// canvas will draw them.
#pragma once

#include <cstdint>
#include <functional>

#include "picture_layout.h"

// The smallest scale tried, as a DPI (half of 96-DPI size): a window too small
// for the picture even there gets it at this scale, cut off at its edges.
inline constexpr std::int32_t MinFitDpi = 48;

// Room kept between texts of different places, and between a text and a disc
// or the dial, in pixels.
inline constexpr std::int32_t TextGap = 2;
// Room kept free at the window's edges, in pixels: the black edge and two more.
inline constexpr std::int32_t EdgeRoom = 3;

// Whether a text's ink keeps at least gap pixels from the circle drawn in the
// box circle. A letter reaches past the advance where it leans (a slanted or
// hooked last letter at the top, a first letter's tail at the bottom), so the
// ink is taken as the four-sided shape from the advance at the top-left and
// bottom-right to the overhangs at the top-right and bottom-left.
bool ClearOfCircle(const PlacedText& text, const Box& circle, std::int32_t gap);

// A layout fits when every text, disc and the dial (with its spoke circles)
// lies inside the window, EdgeRoom in from its edges, and no text comes within
// TextGap of another text, a disc or the dial. Texts that stand together by
// design (the name, hint and advice column of one disc, each line right under
// the one before, a descender of one line above an accent of the next; the
// date above the centre and the clock below it) are not judged against one
// another. The spoke labels, the date and the clock lie in the dial by design,
// and are judged where the layout has them. The person text is judged as laid out.
bool LayoutFits(const PictureLayout& layout);

// The layout at the largest DPI from highest down to MinFitDpi that fits,
// each candidate made by layOutAt; the floor's when none does.
PictureLayout LargestFitting(std::int32_t highest, const std::function<PictureLayout(std::int32_t dpi)>& layOutAt);
