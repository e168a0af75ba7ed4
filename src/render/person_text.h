// The person text at the bottom-left: the user's name, then ", " and the birth
// moment. The name is what the user typed, as drawn: its control characters
// left out, and cut with "…" where it does not fit the room it has.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "canvas.h"

inline constexpr char16_t Ellipsis[] = u"…";

// The name without the C0 control characters and DEL, which draw nothing
// sensible (a tab as a box, a line break as nothing), and without the marks,
// embeddings, overrides and isolates of direction: drawn as a run of its own,
// the name's letters take their own direction, and the invisible controls
// would only measure as a box's width where some systems draw nothing. The
// stored name stays.
std::u16string DrawnName(std::u16string_view name);

// The longest start of name that ends at a character boundary and, less any
// trailing spaces, measures at most room wide (advance and trailing ink);
// empty when not even one character does.
std::u16string LongestStartWithin(std::u16string_view name, std::int32_t room,
                                  const std::function<TextExtent(std::u16string_view)>& measure);
