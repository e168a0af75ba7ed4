// The name of the person text, cleaned and cut to its room.
#include "person_text.h"

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

std::vector<std::size_t> CutPoints(std::u16string_view name) {
  std::vector<std::size_t> cuts;
  for (std::size_t at = 1; at <= name.size(); ++at)
    if (IsCutPoint(name, at)) cuts.push_back(at);
  return cuts;
}

std::u16string_view StartUpTo(std::u16string_view name, std::size_t cut) {
  std::u16string_view start = name.substr(0, cut);
  while (!start.empty() && start.back() == u' ') start.remove_suffix(1);
  return start;
}
