// The snapshot tool's command line: defaults, every value form, and the one
// argument each bad command line is blamed on.
#include "snapshot_args.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> Minimal = {"--now", "2021-07-10 09:40", "--birth", "1985-07-01 08:30"};

std::vector<std::string> With(std::vector<std::string> extra) {
  std::vector<std::string> args = Minimal;
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

TEST(ParseSnapshotArgs, DefaultsAndValues) {
  auto parsed = ParseSnapshotArgs(Minimal, false);
  ASSERT_TRUE(std::holds_alternative<SnapshotOptions>(parsed));
  SnapshotOptions o = std::get<SnapshotOptions>(parsed);
  EXPECT_EQ(o.Now, EncodeDate(2021, 7, 10) + EncodeTime(9, 40, 0, 0));
  EXPECT_EQ(o.Birth, EncodeDate(1985, 7, 1) + EncodeTime(8, 30, 0, 0));
  EXPECT_FALSE(o.Rus);
  EXPECT_FALSE(o.User);
  EXPECT_FALSE(o.Stars);
  EXPECT_EQ(o.Width, 1920);
  EXPECT_EQ(o.Height, 1080);
  EXPECT_EQ(o.Dpi, 96);
  EXPECT_FALSE(o.Preview);
  EXPECT_FALSE(o.List);
  EXPECT_FALSE(o.Image);

  parsed = ParseSnapshotArgs(With({"--lang", "ru", "--user", "Анна \"А\"", "--stars", "on", "--size", "640x1",
                                   "--dpi", "144", "--preview", "--list", "ops.txt", "--image", "p.bmp"}),
                             true);
  ASSERT_TRUE(std::holds_alternative<SnapshotOptions>(parsed));
  o = std::get<SnapshotOptions>(parsed);
  EXPECT_TRUE(o.Rus);
  EXPECT_EQ(*o.User, u"Анна \"А\"");
  EXPECT_TRUE(o.Stars);
  EXPECT_EQ(o.Width, 640);
  EXPECT_EQ(o.Height, 1);
  EXPECT_EQ(o.Dpi, 144);
  EXPECT_TRUE(o.Preview);
  EXPECT_EQ(o.List->filename(), "ops.txt");
  EXPECT_EQ(o.Image->filename(), "p.bmp");
}

struct BadCase {
  std::vector<std::string> args;
  bool imageAllowed;
  std::string blamed;  // the text the message must contain
};

TEST(ParseSnapshotArgs, EachFaultNamesItsArgument) {
  const BadCase cases[] = {
      {{"--birth", "1985-07-01 08:30"}, true, "--now: required"},
      {{"--now", "2021-07-10 09:40"}, true, "--birth: required"},
      {With({"--frobnicate"}), true, "unknown argument \"--frobnicate\""},
      {With({"--lang"}), true, "--lang: missing value"},
      {With({"--lang", "de"}), true, "--lang: expected en or ru"},
      {With({"--stars", "yes"}), true, "--stars: expected on or off"},
      {With({"--size", "1920"}), true, "--size"},
      {With({"--size", "-5x10"}), true, "--size"},
      {With({"--size", "20000x10"}), true, "--size"},
      {With({"--size", "10x10x"}), true, "--size"},
      {With({"--size", "x10"}), true, "--size"},
      {With({"--size", "0x10", "--image", "a.bmp"}), true, "--size: an image needs"},
      {With({"--image", "a.bmp"}), false, "--image: only the Windows build"},
      {With({"--dpi", "47"}), true, "--dpi: expected a whole number from 48 to 480"},
      {With({"--dpi", "481"}), true, "--dpi: expected"},
      {With({"--dpi", "144.0"}), true, "--dpi: expected"},
      {With({"--dpi", "-96"}), true, "--dpi: expected"},
      {With({"--dpi", ""}), true, "--dpi: expected"},
      {With({"--dpi"}), true, "--dpi: missing value"},
      {With({"--list", ""}), true, "--list: empty file name"},
      {With({"--user", "\xFF"}), true, "--user: not valid UTF-8"},
      {With({"--now", "2021-07-10 09:40"}), true, "--now: given more than once"},
      {{"--now", "2021-02-29 09:40", "--birth", "1985-07-01 08:30"}, true, "--now: expected"},
      {{"--now", "2021-07-10 24:00", "--birth", "1985-07-01 08:30"}, true, "--now: expected"},
      {{"--now", "2021-07-10", "--birth", "1985-07-01 08:30"}, true, "--now: expected"},
      {{"--now", "2021-07-10 09:40", "--birth", "1985-7-1 08:30"}, true, "--birth: expected"},
      {{"--now", "0000-01-01 00:00", "--birth", "1985-07-01 08:30"}, true, "--now: expected"},
  };
  for (const BadCase& c : cases) {
    const auto parsed = ParseSnapshotArgs(c.args, c.imageAllowed);
    ASSERT_TRUE(std::holds_alternative<SnapshotArgError>(parsed)) << c.blamed;
    const std::string& message = std::get<SnapshotArgError>(parsed).Message;
    EXPECT_NE(message.find(c.blamed), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
}

TEST(ParseMoment, LeapDaysAndTheEdgesOfTheDay) {
  EXPECT_EQ(ParseMoment("2020-02-29 00:00"), EncodeDate(2020, 2, 29));
  EXPECT_EQ(ParseMoment("1899-12-30 23:59"), ComposeDateTime(0, EncodeTime(23, 59, 0, 0)));
  EXPECT_FALSE(ParseMoment("1900-02-29 12:00"));
  EXPECT_FALSE(ParseMoment("2021-07-10 09:60"));
  EXPECT_FALSE(ParseMoment("2021-07-10T09:40"));
  EXPECT_FALSE(ParseMoment("2021-07-10 09:40 "));
}

}  // namespace
