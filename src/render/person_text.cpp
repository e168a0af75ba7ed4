// The name of the person text, cleaned and cut to its room.
#include "person_text.h"

#include <vector>

#include "text_cut.h"

namespace {

bool DirectionControl(char16_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::u16string DrawnName(std::u16string_view name) {
  std::u16string drawn;
  drawn.reserve(name.size());
  for (const char16_t c : name)
    if (c >= 0x20 && c != 0x7F && !DirectionControl(c)) drawn += c;
  return drawn;
}

std::u16string LongestStartWithin(std::u16string_view name, std::int32_t room,
                                  const std::function<TextExtent(std::u16string_view)>& measure) {
  const auto start = [&](std::size_t cut) {
    std::u16string_view head = name.substr(0, cut);
    while (!head.empty() && head.back() == u' ') head.remove_suffix(1);
    return head;
  };
  const auto fits = [&](std::size_t cut) {
    const TextExtent size = measure(start(cut));
    return size.Width + size.InkAfter <= room;
  };
  std::vector<std::size_t> cuts;
  for (std::size_t at = 1; at <= name.size(); ++at)
    if (IsCutPoint(name, at)) cuts.push_back(at);
  // Longer starts are never narrower: the last cut that fits, by halving.
  std::size_t low = 0, high = cuts.size();  // cuts[0, low) fit; cuts[high, end) do not
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (fits(cuts[middle]))
      low = middle + 1;
    else
      high = middle;
  }
  return low == 0 ? std::u16string() : std::u16string(start(cuts[low - 1]));
}
