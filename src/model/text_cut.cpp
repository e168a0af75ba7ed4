// The characters that cling to the one before them, by block: the combining
// marks of the scripts people write names in, the joiners, the variation
// selectors, the emoji modifiers and tags.
#include "text_cut.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// Sorted, inclusive ranges.
constexpr std::pair<char32_t, char32_t> Clinging[] =
    {
        {0x0300, 0x036F},  // combining diacritical marks
        {0x0483, 0x0489},  // Cyrillic titlo and the like
        {0x0591, 0x05BD},  // Hebrew points and accents
        {0x05BF, 0x05BF},   {0x05C1, 0x05C2}, {0x05C4, 0x05C5}, {0x05C7, 0x05C7},
        {0x0610, 0x061A},  // Arabic marks
        {0x064B, 0x065F},   {0x0670, 0x0670}, {0x06D6, 0x06DC}, {0x06DF, 0x06E4},
        {0x06E7, 0x06E8},   {0x06EA, 0x06ED}, {0x0900, 0x0903},  // Devanagari signs and vowel signs
        {0x093A, 0x093C},   {0x093E, 0x094F}, {0x0951, 0x0957}, {0x0962, 0x0963},
        {0x0E31, 0x0E31},                                        // Thai vowels and tones above and below
        {0x0E34, 0x0E3A},   {0x0E47, 0x0E4E}, {0x1160, 0x11FF},  // Hangul medial vowels and final consonants
        {0x1AB0, 0x1AFF},                                        // combining marks, extended
        {0x1DC0, 0x1DFF},                                        // combining marks, supplement
        {0x200C, 0x200D},                                        // joiners
        {0x20D0, 0x20FF},                                        // combining marks for symbols
        {0x302A, 0x302F},                                        // ideographic tone marks
        {0x3099, 0x309A},                                        // kana voicing marks
        {0xFE00, 0xFE0F},                                        // variation selectors
        {0xFE20, 0xFE2F},                                        // combining half marks
        {0x1F3FB, 0x1F3FF},                                      // emoji skin tones
        {0xE0020, 0xE007F},                                      // tags
        {0xE0100, 0xE01EF},                                      // variation selectors, supplement
};

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

bool ExtendsPrevious(char32_t c) {
  const auto past = std::upper_bound(std::begin(Clinging), std::end(Clinging), c,
                                     [](char32_t value, const auto& range) { return value < range.first; });
  return past != std::begin(Clinging) && c <= std::prev(past)->second;
}

bool IsCutPoint(std::u16string_view text, std::size_t at) {
  if (at == 0 || at >= text.size()) return true;
  if (IsLow(text[at]) && IsHigh(text[at - 1])) return false;
  char32_t next = text[at];
  if (IsHigh(text[at]) && at + 1 < text.size() && IsLow(text[at + 1]))
    next = 0x10000 + ((char32_t{text[at]} - 0xD800) << 10) + (text[at + 1] - 0xDC00);
  return !ExtendsPrevious(next);
}
