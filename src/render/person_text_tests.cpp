// The name of the person text: what of it is drawn, and where it is cut.
#include "person_text.h"

#include <gtest/gtest.h>

#include "text_utf.h"

namespace {

TEST(DrawnName, ControlCharactersDelAndDirectionControlsAreLeftOut) {
  struct {
    std::u16string name, drawn;
  } const cases[] = {
      {u"Anna", u"Anna"},
      {u"An\tna\r\n", u"Anna"},
      {u"\x01\x1F\x7F", u""},
      {u"Anna\u202E", u"Anna"},
      {u"\u202Aa\u202Bb\u202Cc\u202Dd\u2066e\u2067f\u2068g\u2069h\u200Ei\u200Fj\u061Ck", u"abcdefghijk"},
      {u"\u05D3\u05E0\u05D4 Levi", u"\u05D3\u05E0\u05D4 Levi"},  // letters of any direction stay
      {u"\u00A0Jo\u0085\u200D", u"\u00A0Jo\u0085\u200D"},        // and the rest: a joiner, C1
  };
  for (const auto& c : cases) EXPECT_EQ(DrawnName(c.name), c.drawn) << Utf8FromUtf16(c.name);
}

// Every UTF-16 unit measures 10 pixels wide, its trailing ink 2 more.
TextExtent TenPerUnit(std::u16string_view text) {
  return {static_cast<std::int32_t>(text.size()) * 10, 20, 0, text.empty() ? 0 : 2};
}

TEST(LongestStartWithin, CutsAtCharacterBoundariesWithinTheRoom) {
  struct {
    const char* what;
    std::u16string name;
    std::int32_t room;
    std::u16string start;
  } const cases[] = {
      {"whole", u"Anna", 42, u"Anna"},
      {"one short of whole", u"Anna", 41, u"Ann"},
      {"nothing fits", u"Anna", 11, u""},
      {"no room at all", u"Anna", -5, u""},
      {"trailing spaces dropped", u"Anna Maria", 52, u"Anna"},
      {"not inside a surrogate pair", u"Jo\U0001F600x", 41, u"Jo"},
      {"the pair whole", u"Jo\U0001F600x", 42, u"Jo\U0001F600"},
      {"not before a combining accent", u"Zoe\u0301y", 41, u"Zo"},
      {"the accent with its letter", u"Zoe\u0301y", 42, u"Zoe\u0301"},
      {"not before a skin tone", u"a\U0001F44D\U0001F3FDb", 51, u"a"},
      {"the thumb with its tone", u"a\U0001F44D\U0001F3FDb", 52, u"a\U0001F44D\U0001F3FD"},
      {"not before a joiner", u"ab\u200Dc", 31, u"a"},
      {"empty name", u"", 100, u""},
  };
  for (const auto& c : cases) EXPECT_EQ(LongestStartWithin(c.name, c.room, TenPerUnit), c.start) << c.what;
}

}  // namespace
