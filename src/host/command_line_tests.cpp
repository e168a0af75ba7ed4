// Table-driven checks of the command-line rules: splitting, mode choice and the
// two handle readers.
#include "command_line.h"

#include <gtest/gtest.h>

#include <ostream>

#include "test_text.h"

namespace {

struct SplitCase {
  std::u16string_view line;
  Arguments expected;
};
std::ostream& operator<<(std::ostream& os, const SplitCase& c) { return os << '[' << Narrow(c.line) << ']'; }

class Splitting : public testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, GivesTheExpectedArguments) { EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommandLine, Splitting,
    testing::Values(
        SplitCase{u"", {}},
        SplitCase{u"   \t  ", {}},
        SplitCase{u"saver.scr", {u"saver.scr"}},
        SplitCase{u"saver.scr /s", {u"saver.scr", u"/s"}},
        // Every control character separates, not only the blank and the tab.
        SplitCase{u"a\u0001b\u001Fc\nd\re\u0020f", {u"a", u"b", u"c", u"d", u"e", u"f"}},
        // U+0021 and above belong to arguments, non-ASCII included.
        SplitCase{u"!x \u00A0y \u0436", {u"!x", u"\u00A0y", u"\u0436"}},
        SplitCase{u"\"C:\\Program Files\\q.scr\" /p 1234", {u"C:\\Program Files\\q.scr", u"/p", u"1234"}},
        SplitCase{u"a\"b c\"d", {u"ab cd"}},
        SplitCase{u"\"a\"\"b\"", {u"ab"}},
        // An empty pair where an argument begins counts as a blank...
        SplitCase{u"q.scr \"\" /s", {u"q.scr", u"/s"}},
        SplitCase{u"q.scr \"\"\"\"/s", {u"q.scr", u"/s"}},
        SplitCase{u"\"\"", {}},
        // ...but inside an argument it simply adds nothing.
        SplitCase{u"/\"\"s", {u"/s"}},
        // A quoted blank is an argument of its own.
        SplitCase{u"q.scr \" \" x", {u"q.scr", u" ", u"x"}},
        // An unclosed quote runs to the end of the line.
        SplitCase{u"q.scr \"/p 12", {u"q.scr", u"/p 12"}},
        // A lone quote at the end would be an empty argument: splitting stops there.
        SplitCase{u"q.scr /s \"", {u"q.scr", u"/s"}},
        SplitCase{std::u16string_view(u"q.scr /s\0/p", 11), {u"q.scr", u"/s"}}));
// clang-format on

TEST(CommandLine, ProgramArgumentsLeaveOutTheProgramName) {
  EXPECT_EQ(ProgramArguments(u"\"C:\\a b\\q.scr\" /p 0x10"), (Arguments{u"/p", u"0x10"}));
  EXPECT_TRUE(ProgramArguments(u"q.scr").empty());
  EXPECT_TRUE(ProgramArguments(u"").empty());
}

struct ModeCase {
  Arguments arguments;
  SaverMode expected;
};
std::ostream& operator<<(std::ostream& os, const ModeCase& c) {
  os << '[';
  for (const auto& a : c.arguments) os << Narrow(a) << ' ';
  return os << ']';
}

class ModeSelection : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeSelection, PicksTheModeByTheOnlyOrTheSecondCharacter) {
  EXPECT_EQ(SelectMode(GetParam().arguments), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommandLine, ModeSelection,
    testing::Values(ModeCase{{}, SaverMode::FullScreen},
                    ModeCase{{u"s"}, SaverMode::FullScreen},
                    ModeCase{{u"S"}, SaverMode::FullScreen},
                    ModeCase{{u"/s"}, SaverMode::FullScreen},
                    ModeCase{{u"-S"}, SaverMode::FullScreen},
                    ModeCase{{u"xs"}, SaverMode::FullScreen},
                    ModeCase{{u"sa"}, SaverMode::ChangePassword},
                    ModeCase{{u"as"}, SaverMode::FullScreen},
                    ModeCase{{u"/x"}, SaverMode::None},
                    ModeCase{{u"s2"}, SaverMode::None},
                    ModeCase{{u"/c:1234"}, SaverMode::Settings},
                    ModeCase{{u"C"}, SaverMode::Settings},
                    ModeCase{{u"/p", u"1234"}, SaverMode::Preview},
                    ModeCase{{u"P"}, SaverMode::Preview},
                    ModeCase{{u"/a", u"5"}, SaverMode::ChangePassword},
                    ModeCase{{u"A"}, SaverMode::ChangePassword},
                    ModeCase{{u"p", u"/s"}, SaverMode::Preview},
                    ModeCase{{u"/\u0441"}, SaverMode::None}));
// clang-format on

struct HandleCase {
  std::u16string_view text;
  std::int32_t expected;
};
std::ostream& operator<<(std::ostream& os, const HandleCase& c) { return os << '[' << Narrow(c.text) << ']'; }

class WindowHandleParsing : public testing::TestWithParam<HandleCase> {};

TEST_P(WindowHandleParsing, ReadsAnOptionalMinusAndDecimalDigits) {
  EXPECT_EQ(ParseWindowHandle(GetParam().text), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommandLine, WindowHandleParsing,
    testing::Values(HandleCase{u"123", 123},
                    HandleCase{u"-5", -5},
                    HandleCase{u"12x", 12},
                    HandleCase{u"+5", 0},
                    HandleCase{u"", 0},
                    HandleCase{u"-", 0},
                    HandleCase{u" 5", 0},
                    HandleCase{u"0x10", 0},
                    HandleCase{u"2147483647", 2147483647},
                    // 32-bit wrap-around: 2^31 reads as INT32_MIN, 2^32 + 7 as 7.
                    HandleCase{u"2147483648", INT32_MIN},
                    HandleCase{u"4294967295", -1},
                    HandleCase{u"4294967303", 7},
                    HandleCase{u"-4294967295", 1},
                    HandleCase{u"99999999999", 1215752191}));
// clang-format on

class PreviewHandleReading : public testing::TestWithParam<HandleCase> {};

TEST_P(PreviewHandleReading, KeepsTheLow32BitsOfASigned64BitNumber) {
  EXPECT_EQ(ReadPreviewHandle(GetParam().text), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommandLine, PreviewHandleReading,
    testing::Values(HandleCase{u"1234", 1234},
                    HandleCase{u"0x4D2", 1234},
                    HandleCase{u"0X4d2", 1234},
                    HandleCase{u"$4D2", 1234},
                    HandleCase{u"x4D2", 1234},
                    HandleCase{u"X4D2", 1234},
                    HandleCase{u"   1234", 1234},
                    HandleCase{u"+1234", 1234},
                    HandleCase{u"-1", -1},
                    HandleCase{u"-0x10", -16},
                    HandleCase{u"1234abc", 1234},
                    HandleCase{u"4D2", 4},
                    HandleCase{u"garbage", 0},
                    HandleCase{u"", 0},
                    HandleCase{u"0x", 0},
                    HandleCase{u"\t1234", 0},
                    HandleCase{u"- 1", 0},
                    // Bits above the 32nd are dropped.
                    HandleCase{u"4294968530", 1234},
                    HandleCase{u"0x1000004D2", 1234},
                    HandleCase{u"$FFFFFFFFFFFFFFFF", -1},
                    // Overflow: reading stops before the digit that would not fit.
                    HandleCase{u"9223372036854775807", -1},
                    HandleCase{u"92233720368547758079", -1},
                    HandleCase{u"-9223372036854775808", 0},
                    HandleCase{u"0x1FFFFFFFFFFFFFFFF", -1},
                    HandleCase{u"99999999999999999999", -1486618625}));
// clang-format on

}  // namespace
