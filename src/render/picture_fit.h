// Whether a layout of the picture fits its window, and the search for the
// largest scale at which it does. Portable: the layouts are made on whatever
// canvas will draw them.
#pragma once

#include <cstdint>

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

// A first guess at the largest DPI that fits, below that of a layout that
// does not: its part about the centre (the ring and its texts) scaled down by
// how far it overruns the window less the frame texts' rows over it.
std::int32_t FirstGuess(const PictureLayout& failed);

// The largest DPI below high, down to MinFitDpi, for which fits(dpi) holds,
// the floor when none does. Whether the picture fits falls with the DPI (its
// extent about the centre and the room of its texts grow with it): from the
// guess, steps of 1, 2, 4, ... up while it fits and down while it does not,
// then halving once the answer lies behind.
template <class Fits>
std::int32_t LargestDpi(std::int32_t high, std::int32_t guess, Fits fits) {
  std::int32_t low = MinFitDpi;  // fits, or the floor, taken whether it fits or not
  std::int32_t next = guess, step = 1, direction = 0;
  bool galloping = true;
  while (high - low > 1) {
    const std::int32_t dpi = next > low && next < high ? next : low + (high - low) / 2;
    const std::int32_t now = fits(dpi) ? 1 : -1;
    (now > 0 ? low : high) = dpi;
    if (direction != 0 && now != direction) galloping = false;
    direction = now;
    next = galloping ? dpi + now * step : 0;
    step *= 2;
  }
  return low;
}
