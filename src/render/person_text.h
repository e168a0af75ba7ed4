// The person text at the bottom-left: the user's name, then ", " and the birth
// moment. The name is what the user typed, as drawn: its control characters
// left out, and cut with "…" where it does not fit the room it has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

inline constexpr char16_t Ellipsis[] = u"…";

// The name without the C0 control characters and DEL, which draw nothing
// sensible (a tab as a box, a line break as nothing), and without the marks,
// embeddings, overrides and isolates of direction: drawn as a run of its own,
// the name's letters take their own direction, and the invisible controls
// would only measure as a box's width where some systems draw nothing. The
// stored name stays.
std::u16string DrawnName(std::u16string_view name);

// The places a name may be cut, after its first character up to its end.
std::vector<std::size_t> CutPoints(std::u16string_view name);

// The start of name up to cut, less any trailing spaces.
std::u16string_view StartUpTo(std::u16string_view name, std::size_t cut);

// The longest start of name that ends at a character boundary and, less any
// trailing spaces, measures at most room wide (advance and trailing ink) by
// measure(text); empty when not even one character does.
template <class Measure>
std::u16string LongestStartWithin(std::u16string_view name, std::int32_t room, Measure measure) {
  const std::vector<std::size_t> cuts = CutPoints(name);
  // Longer starts are never narrower: the last cut that fits, by halving.
  std::size_t low = 0, high = cuts.size();  // cuts[0, low) fit; cuts[high, end) do not
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const TextExtent size = measure(StartUpTo(name, cuts[middle]));
    (size.Width + size.InkAfter <= room ? low = middle + 1 : high = middle);
  }
  return low == 0 ? std::u16string() : std::u16string(StartUpTo(name, cuts[low - 1]));
}
