// Strict reading of the hack's options: every value is checked before anything
// is drawn, and the first fault is the one reported.
#include "hack_options.h"

#include <charconv>
#include <functional>

#include "number_text.h"
#include "settings_schema.h"
#include "text_utf.h"

const char HackUsage[] =
    "usage: quellora [-root | -window | -window-id ID] [-display DISPLAY]\n"
    "                [-name TEXT] [-birth YYYY-MM-DDTHH:MM[:SS]]\n"
    "                [-english | -russian] [-stars | -no-stars]\n"
    "  The window to draw into may also be given by XSCREENSAVER_WINDOW.\n"
    "  Defaults: the system's language, stars, a placeholder name, born 2000-01-01T00:00.\n"
    "  For tests: -now YYYY-MM-DDTHH:MM draws that moment; -list FILE writes\n"
    "  each picture's drawing operations to FILE.\n";

namespace {

HackOptionError Bad(const std::string& option, const std::string& what) {
  return {"quellora: " + option + ": " + what};
}

}  // namespace

std::optional<TDateTime> ParseHackMoment(std::string_view text) {
  return ReadMoment(text, std::string_view("T "), MomentSeconds::Optional);
}

std::optional<unsigned long> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  unsigned long id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
  // X resource ids have 29 bits; anything wider names no window.
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0 ||
      id > 0x1FFFFFFFul)
    return std::nullopt;
  return id;
}

std::variant<HackOptions, HackOptionError> ParseHackOptions(const std::vector<std::string>& args) {
  HackOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    if (option.size() > 2 && option[0] == '-' && option[1] == '-') option.erase(0, 1);
    const auto value = [&]() -> const std::string* {
      return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    if (option == "-root" || option == "-window") {
      options.Target = option == "-root" ? HackTarget::Root : HackTarget::OwnWindow;
      options.TargetGiven = true;
    } else if (option == "-window-id") {
      const std::string* v = value();
      if (!v) return Bad(option, "missing value");
      const auto id = ParseWindowId(*v);
      if (!id) return Bad(option, "expected a window id such as 0x2a00007, got \"" + *v + "\"");
      options.Target = HackTarget::WindowId;
      options.TargetGiven = true;
      options.WindowId = *id;
    } else if (option == "-display") {
      const std::string* v = value();
      if (!v) return Bad(option, "missing value");
      options.Display = *v;
    } else if (option == "-name") {
      const std::string* v = value();
      if (!v) return Bad(option, "missing value");
      auto name = Utf16FromUtf8(*v);
      if (!name) return Bad(option, "not valid UTF-8");
      options.Name = std::move(*name);
    } else if (option == "-birth" || option == "-now") {
      const std::string* v = value();
      if (!v) return Bad(option, "missing value");
      const auto moment = ParseHackMoment(*v);
      if (!moment) return Bad(option, "expected a date and time as YYYY-MM-DDTHH:MM[:SS], got \"" + *v + "\"");
      (option == "-birth" ? options.Birth : options.FixedNow) = *moment;
    } else if (option == "-english" || option == "-russian") {
      options.English = option == "-english";
    } else if (option == "-stars" || option == "-no-stars") {
      options.Stars = option == "-stars";
    } else if (option == "-list") {
      const std::string* v = value();
      if (!v || v->empty()) return Bad(option, "missing file name");
      options.ListFile = *v;
    } else if (option == "-help" || option == "-h") {
      options.Help = true;
    } else {
      return HackOptionError{"quellora: unknown option \"" + args[i] + "\" (see quellora -help)"};
    }
  }
  return options;
}

std::string MessagesLocale(const std::function<const char*(const char*)>& getenv) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (value && *value) return value;
  }
  return {};
}

bool RussianByDefault(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  return language == "ru" || language == "be" || language == "uk";
}

Settings HackSettings(const HackOptions& options, std::string_view locale) {
  // The options stand where the Windows saver finds its stored values; what
  // they leave out takes the saver's defaults by the saver's own rules.
  StoredSettings stored;
  if (options.English) stored.English = *options.English ? 1u : 0u;
  if (options.Stars) stored.Star = *options.Stars ? 1u : 0u;
  stored.User = options.Name;
  Settings settings =
      ResolveSettings(stored, [&] { return RussianByDefault(locale); }, RegionalFormats{}, 0);
  if (options.Birth) settings.BirthMoment = *options.Birth;
  return settings;
}
