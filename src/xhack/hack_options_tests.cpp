// The hack's command line: what each option gives, the one-line complaint for
// each bad one, and the settings the options leave to the saver's defaults.
#include "hack_options.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Args = std::vector<std::string>;

HackOptions Good(const Args& args) {
  auto parsed = ParseHackOptions(args);
  if (auto* error = std::get_if<HackOptionError>(&parsed)) ADD_FAILURE() << error->Message;
  return std::get_if<HackOptions>(&parsed) ? std::get<HackOptions>(parsed) : HackOptions{};
}

TDateTime Moment(int y, int mo, int d, int h, int mi, int s = 0) {
  return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, 0));
}

TEST(HackOptions, Targets) {
  EXPECT_EQ(Good({}).Target, HackTarget::OwnWindow);
  EXPECT_FALSE(Good({}).TargetGiven);
  EXPECT_EQ(Good({"-root"}).Target, HackTarget::Root);
  EXPECT_EQ(Good({"--root"}).Target, HackTarget::Root);
  EXPECT_EQ(Good({"-root", "-window"}).Target, HackTarget::OwnWindow);  // the last one counts
  const HackOptions id = Good({"-window-id", "0x2a00007"});
  EXPECT_EQ(id.Target, HackTarget::WindowId);
  EXPECT_EQ(id.WindowId, 0x2a00007ul);
  EXPECT_EQ(Good({"--window-id", "44040199"}).WindowId, 44040199ul);
  EXPECT_EQ(Good({"-display", ":7"}).Display, ":7");
}

TEST(HackOptions, Values) {
  const HackOptions o = Good({"-name", "Анна Ш.", "-birth", "1985-07-01T08:30", "-russian", "-no-stars", "-now",
                              "2021-07-10 09:40:15", "-list", "out.txt"});
  EXPECT_EQ(o.Name, u"Анна Ш.");
  EXPECT_EQ(o.Birth, Moment(1985, 7, 1, 8, 30));
  EXPECT_EQ(o.English, false);
  EXPECT_EQ(o.Stars, false);
  EXPECT_EQ(o.FixedNow, Moment(2021, 7, 10, 9, 40, 15));
  EXPECT_EQ(o.ListFile, "out.txt");
  EXPECT_EQ(Good({"-english", "-stars"}).English, true);
  EXPECT_EQ(Good({"-english", "-stars"}).Stars, true);
  EXPECT_EQ(Good({"-name", ""}).Name, u"");
  EXPECT_TRUE(Good({"-help"}).Help);
}

TEST(HackOptions, EachFaultIsOneLineNamingIt) {
  const std::map<Args, std::string> cases = {
      {{"-fps"}, "quellora: unknown option \"-fps\" (see quellora -help)"},
      {{"-birth", "yesterday"},
       "quellora: -birth: expected a date and time as YYYY-MM-DDTHH:MM[:SS], got \"yesterday\""},
      {{"-birth", "1985-02-29T08:30"},
       "quellora: -birth: expected a date and time as YYYY-MM-DDTHH:MM[:SS], got \"1985-02-29T08:30\""},
      {{"-birth", "1985-07-01T24:00"},
       "quellora: -birth: expected a date and time as YYYY-MM-DDTHH:MM[:SS], got \"1985-07-01T24:00\""},
      {{"-birth"}, "quellora: -birth: missing value"},
      {{"-window-id", "0"}, "quellora: -window-id: expected a window id such as 0x2a00007, got \"0\""},
      {{"-window-id", "0xZZ"}, "quellora: -window-id: expected a window id such as 0x2a00007, got \"0xZZ\""},
      {{"-window-id", "12abc"}, "quellora: -window-id: expected a window id such as 0x2a00007, got \"12abc\""},
      {{"-name", "\xff"}, "quellora: -name: not valid UTF-8"},
      {{"-list", ""}, "quellora: -list: missing file name"},
  };
  for (const auto& [args, message] : cases) {
    const auto parsed = ParseHackOptions(args);
    const auto* error = std::get_if<HackOptionError>(&parsed);
    ASSERT_NE(error, nullptr) << args[0];
    EXPECT_EQ(error->Message, message);
    EXPECT_EQ(error->Message.find('\n'), std::string::npos);
  }
}

// XScreenSaver's settings tool wraps a long line inside a quoted value: the
// hack then gets the tabs and spaces of the wrap (as a real run hands them
// over), or from a hand-written file the backslash and line break as well.
TEST(HackOptions, EveryRunOfWhitespaceIsOneSpace) {
  const std::pair<std::string, std::string> cases[] = {
      {"1985-07-01\t      \t\t\t\t  08:30", "1985-07-01 08:30"},
      {"\t\t\t\t  \xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\t      \\\n\t\t\t\t  \xD0\x9C.  ",
       "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0 \xD0\x9C."},
      {"a \\\r\n b", "a b"},
      {"a\\  \t\nb", "a b"},
      {"a\nb\rc\vd\fe", "a b c d e"},
      {"A\\B", "A\\B"},      // a backslash inside a word stays
      {"a \\ b", "a \\ b"},  // so does one before anything but a line break
      {"a\\", "a\\"},
      {" \t\n ", ""},
      {"", ""},
      {"Jo", "Jo"},
  };
  for (const auto& [given, collapsed] : cases) EXPECT_EQ(CollapseWhitespace(given), collapsed) << given;

  const HackOptions o = Good(
      {"--name", "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\t      \t\t\t\t  \xD0\x9C\xD0\xB0\xD1\x80\xD0\xB8\xD1\x8F ",
       "--birth", "1985-07-01\t      \t\t\t\t  08:30"});
  EXPECT_EQ(o.Name, u"Анна Мария");
  EXPECT_EQ(o.Birth, Moment(1985, 7, 1, 8, 30));
  EXPECT_EQ(Good({"-birth", " 1985-07-01T08:30\n"}).Birth, Moment(1985, 7, 1, 8, 30));
  EXPECT_EQ(Good({"-now", "2021-07-10\t\t09:40:15"}).FixedNow, Moment(2021, 7, 10, 9, 40, 15));
}

TEST(HackOptions, ValuesInErrorLinesAreQuotedEscapedAndCut) {
  const std::string sixty(60, 'x');
  const std::string cyrillic = [] {
    std::string text;
    for (int i = 0; i < 61; ++i) text += "\xD0\xAF";  // Я, two bytes each
    return text;
  }();
  const std::pair<std::string, std::string> cases[] = {
      {"1985-07-01T08:30\nSECOND", "\"1985-07-01T08:30\\nSECOND\""},
      {"\x1b[31mred\x1b[0m", "\"\\x1b[31mred\\x1b[0m\""},
      {"a\tb\rc\x7f", "\"a\\tb\\rc\\x7f\""},
      {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
      {"\xff\xfe", "\"\\xff\\xfe\""},  // no UTF-8
      {"\xC2\x9B"
       "2J",
       "\"\\u009b2J\""},  // C1 CSI
      {"Anna\xE2\x80\xAE"
       "cba",
       "\"Anna\\u202ecba\""},  // right-to-left override
      {"line\xE2\x80\xA8"
       "two",
       "\"line\\u2028two\""},
      {sixty, "\"" + sixty + "\""},
      {sixty + "y", "\"" + sixty + "…\""},
      {cyrillic, "\"" + cyrillic.substr(0, 120) + "…\""},  // characters, not bytes
      {"", "\"\""},
  };
  for (const auto& [value, shown] : cases) EXPECT_EQ(QuotedValue(value), shown) << value;

  // Whole error lines: one line, short, whatever the value.
  const std::string huge(30000, '9');
  for (const Args& args :
       {Args{"-birth", "1985-07-01T08:30\nSECOND"}, Args{"-birth", huge}, Args{"-window-id", "\x1b]0;title\x07"},
        Args{"-window-id", huge}, Args{"-\n-fake\n"}, Args{huge}}) {
    const auto parsed = ParseHackOptions(args);
    const auto* error = std::get_if<HackOptionError>(&parsed);
    ASSERT_NE(error, nullptr) << args[0];
    EXPECT_EQ(error->Message.find_first_of("\n\r\x1b\x07"), std::string::npos) << error->Message;
    EXPECT_LT(error->Message.size(), 200u) << error->Message;
  }
}

TEST(HackOptions, Moments) {
  EXPECT_EQ(ParseHackMoment("2000-02-29T23:59:59"), Moment(2000, 2, 29, 23, 59, 59));
  EXPECT_EQ(ParseHackMoment("0001-01-01T00:00"), Moment(1, 1, 1, 0, 0));
  for (const char* bad :
       {"", "2000-02-29", "2000-02-29T23:5", "2000-02-29T23:59:5", "0000-01-01T00:00", "2000-13-01T00:00",
        "2000-01-01T00:60", "2000-01-01T00:00:60", "2000/01/01T00:00", "+200-01-01T00:00"})
    EXPECT_FALSE(ParseHackMoment(bad)) << bad;
  EXPECT_EQ(ParseWindowId("0x1FFFFFFF"), 0x1FFFFFFFul);
  EXPECT_FALSE(ParseWindowId("0x20000000"));
  EXPECT_FALSE(ParseWindowId("-5"));
}

TEST(HackSettings, TheSaversDefaultsFillWhatIsNotGiven) {
  struct Case {
    const char* locale;
    Args args;
    bool rus;
    bool stars;
    std::u16string name;
  };
  const Case cases[] = {
      {"ru_RU.UTF-8", {}, true, true, PlaceholderNameRu},
      {"uk_UA.UTF-8", {}, true, true, PlaceholderNameRu},
      {"be_BY@latin", {}, true, true, PlaceholderNameRu},
      {"en_GB.UTF-8", {}, false, true, PlaceholderNameEn},
      {"rue_UA", {}, false, true, PlaceholderNameEn},
      {"", {}, false, true, PlaceholderNameEn},
      {"ru_RU.UTF-8", {"-english"}, false, true, PlaceholderNameEn},
      {"C", {"-russian", "-no-stars"}, true, false, PlaceholderNameRu},
      {"ru_RU.UTF-8", {"-name", ""}, true, true, u""},
  };
  for (const Case& c : cases) {
    const Settings s = HackSettings(Good(c.args), c.locale);
    EXPECT_EQ(s.Rus, c.rus) << c.locale;
    EXPECT_EQ(s.ShowStars, c.stars) << c.locale;
    EXPECT_EQ(s.UserName, c.name) << c.locale;
    EXPECT_EQ(s.BirthMoment, DefaultBirthMoment) << c.locale;
  }
  EXPECT_EQ(HackSettings(Good({"-birth", "1985-07-01T08:30"}), "C").BirthMoment, Moment(1985, 7, 1, 8, 30));
}

TEST(HackSettings, LocaleVariablesInPosixOrder) {
  std::map<std::string, const char*> env;
  const auto get = [&](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second;
  };
  EXPECT_EQ(MessagesLocale(get), "");
  env["LANG"] = "ru_RU.UTF-8";
  EXPECT_EQ(MessagesLocale(get), "ru_RU.UTF-8");
  env["LC_MESSAGES"] = "en_US.UTF-8";
  EXPECT_EQ(MessagesLocale(get), "en_US.UTF-8");
  env["LC_ALL"] = "";  // set but empty: does not count
  EXPECT_EQ(MessagesLocale(get), "en_US.UTF-8");
  env["LC_ALL"] = "uk_UA.UTF-8";
  EXPECT_EQ(MessagesLocale(get), "uk_UA.UTF-8");
}

}  // namespace
