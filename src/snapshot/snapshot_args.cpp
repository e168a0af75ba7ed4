// Strict reading of the snapshot tool's options: every value is checked, every
// option may be given once, and the first fault is the one reported.
#include "snapshot_args.h"

#include <charconv>
#include <set>

#include "number_text.h"
#include "text_utf.h"

const char SnapshotUsage[] =
    "usage: quellora-snapshot --now \"YYYY-MM-DD HH:MM\" --birth \"YYYY-MM-DD HH:MM\"\n"
    "         [--lang en|ru] [--user NAME] [--stars on|off] [--size WIDTHxHEIGHT]\n"
    "         [--dpi N] [--preview] [--list FILE] [--image FILE.bmp]\n";

namespace {

std::optional<std::int32_t> Side(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text[0] == '-' || text[0] == '+' ||
      value > MaxSnapshotSide)
    return std::nullopt;
  return value;
}

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

SnapshotArgError Bad(const std::string& option, const std::string& what) {
  return {"quellora-snapshot: " + option + ": " + what};
}

}  // namespace

std::optional<TDateTime> ParseMoment(std::string_view text) {
  return ReadMoment(text, std::string_view(" "), MomentSeconds::Never);
}

std::variant<SnapshotOptions, SnapshotArgError> ParseSnapshotArgs(const std::vector<std::string>& args,
                                                                  bool imageAllowed) {
  SnapshotOptions options;
  std::set<std::string> seen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool flag = option == "--preview" || option == "--help";
    const bool known = flag || option == "--now" || option == "--birth" || option == "--lang" ||
                       option == "--user" || option == "--stars" || option == "--size" || option == "--dpi" ||
                       option == "--list" || option == "--image";
    if (!known) return SnapshotArgError{"quellora-snapshot: unknown argument \"" + option + "\""};
    if (!seen.insert(option).second) return Bad(option, "given more than once");
    if (option == "--help") {
      options.Help = true;
      continue;
    }
    if (option == "--preview") {
      options.Preview = true;
      continue;
    }
    if (i + 1 >= args.size()) return Bad(option, "missing value");
    const std::string& value = args[++i];
    if (option == "--now" || option == "--birth") {
      const auto moment = ParseMoment(value);
      if (!moment) return Bad(option, "expected \"YYYY-MM-DD HH:MM\", got \"" + value + "\"");
      (option == "--now" ? options.Now : options.Birth) = *moment;
    } else if (option == "--lang") {
      if (value != "en" && value != "ru") return Bad(option, "expected en or ru, got \"" + value + "\"");
      options.Rus = value == "ru";
    } else if (option == "--user") {
      auto user = Utf16FromUtf8(value);
      if (!user) return Bad(option, "not valid UTF-8");
      options.User = std::move(*user);
    } else if (option == "--stars") {
      if (value != "on" && value != "off") return Bad(option, "expected on or off, got \"" + value + "\"");
      options.Stars = value == "on";
    } else if (option == "--size") {
      const std::size_t x = value.find('x');
      const auto width = x == std::string::npos ? std::nullopt : Side(std::string_view(value).substr(0, x));
      const auto height = x == std::string::npos ? std::nullopt : Side(std::string_view(value).substr(x + 1));
      if (!width || !height)
        return Bad(option, "expected WIDTHxHEIGHT, each 0 to " + std::to_string(MaxSnapshotSide) + ", got \"" +
                               value + "\"");
      options.Width = *width;
      options.Height = *height;
    } else if (option == "--dpi") {
      std::int32_t dpi = 0;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), dpi);
      if (value.empty() || error != std::errc() || end != value.data() + value.size() || dpi < MinSnapshotDpi ||
          dpi > MaxSnapshotDpi)
        return Bad(option, "expected a whole number from " + std::to_string(MinSnapshotDpi) + " to " +
                               std::to_string(MaxSnapshotDpi) + ", got \"" + value + "\"");
      options.Dpi = dpi;
    } else if (option == "--list" || option == "--image") {
      if (value.empty()) return Bad(option, "empty file name");
      if (option == "--list") {
        options.List = PathOf(value);
      } else {
        if (!imageAllowed) return Bad(option, "only the Windows build draws images");
        options.Image = PathOf(value);
      }
    }
  }
  if (options.Help) return options;
  if (!seen.count("--now")) return Bad("--now", "required");
  if (!seen.count("--birth")) return Bad("--birth", "required");
  if (options.Image && (options.Width == 0 || options.Height == 0))
    return Bad("--size", "an image needs at least 1x1");
  return options;
}
