// Where a UTF-16 text may be cut without breaking a character: never inside a
// surrogate pair, never before a mark that belongs to the character before it
// (a combining accent, a joiner, a variation selector, a skin tone).
#pragma once

#include <cstddef>
#include <string_view>

// Whether c only makes sense with the character before it.
bool ExtendsPrevious(char32_t c);

// Whether text may be cut before its unit at. 0 and text.size() always may.
bool IsCutPoint(std::u16string_view text, std::size_t at);
