// The number writer and reader at their edges: padding, zero, the sign, the
// largest values, and digits that run past the text or are not digits.
#include "number_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(NumberText, PadsWithZerosUpToTheWidth) {
  const struct {
    int value;
    int width;
    std::u16string_view text;
  } cases[] = {
      {0, 1, u"0"},
      {0, 2, u"00"},
      {7, 2, u"07"},
      {59, 2, u"59"},
      {100, 2, u"100"},
      {85, 4, u"0085"},
      {2021, 4, u"2021"},
      {12345, 4, u"12345"},
      {-5, 2, u"-5"},
      {-5, 3, u"-05"},
      {INT_MAX, 1, u"2147483647"},
      {INT_MIN, 1, u"-2147483648"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberText(c.value, c.width), c.text) << c.value << " in " << c.width;
    std::u16string appended = u"x";
    AppendNumber(appended, c.value, c.width);
    EXPECT_EQ(appended, u"x" + std::u16string(c.text));
  }
}

TEST(ReadDigits, TakesExactlyTheDigitsAsked) {
  const struct {
    std::string_view text;
    std::size_t at, count;
    std::optional<int> value;
  } cases[] = {
      {"2021-07-10", 0, 4, 2021}, {"2021-07-10", 5, 2, 7},  {"2021-07-10", 8, 2, 10},
      {"2021-07-10", 8, 3, {}},   {"2021-07-10", 3, 2, {}}, {"12", 2, 0, 0},
      {"12", 3, 0, {}},           {"1a", 0, 2, {}},         {"/:", 0, 1, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadDigits(c.text, c.at, c.count), c.value) << c.text << " at " << c.at;
  EXPECT_EQ(ReadDigits(std::u16string_view(u"T09:05"), 1, 2), 9);
  EXPECT_EQ(ReadDigits(std::u16string_view(u"\uFF10\uFF11"), 0, 2), std::nullopt) << "full-width digits";
}

}  // namespace
