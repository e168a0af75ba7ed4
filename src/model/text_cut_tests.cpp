// Where a text may be cut: between characters, not inside a surrogate pair and
// not before a mark that belongs to the character before it.
#include "text_cut.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtendsPrevious, MarksJoinersSelectorsAndSkinTonesNotLetters) {
  struct {
    char32_t c;
    bool clings;
  } const cases[] = {
      {U'a', false},         {U'\u0300', true},     {U'\u036F', true},     {U'\u0370', false},
      {U'\u0483', true},     {U'\u05B0', true},     {U'\u05D0', false},    {U'\u064B', true},
      {U'\u0627', false},    {U'\u093F', true},     {U'\u0915', false},    {U'\u200D', true},
      {U'\u200B', false},    {U'\uFE0F', true},     {U'\U0001F3FB', true}, {U'\U0001F600', false},
      {U'\U000E0061', true}, {U'\U000E0100', true}, {U'\u4E00', false},    {U'\u3099', true},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtendsPrevious(c.c), c.clings) << std::hex << unsigned(c.c);
}

TEST(IsCutPoint, NeverInsideAPairOrBeforeAMark) {
  const std::u16string text = u"a\U0001F600e\u0301\U0001F44D\U0001F3FDz";
  // a, a face (a pair), e, a combining acute, a thumb (a pair), a skin tone (a pair), z
  const bool expected[] = {true, true, false, true, false, true, false, false, false, true, true};
  ASSERT_EQ(text.size() + 1, std::size(expected));
  for (std::size_t at = 0; at <= text.size(); ++at) EXPECT_EQ(IsCutPoint(text, at), expected[at]) << at;
}

}  // namespace
