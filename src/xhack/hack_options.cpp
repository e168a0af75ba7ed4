// Strict reading of the hack's options: every value is checked before anything
// is drawn, and the first fault is the one reported.
#include "hack_options.h"

#include <charconv>
#include <cstdio>
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

// The options whose value is the next argument.
bool TakesValue(std::string_view option) {
  return option == "-window-id" || option == "-display" || option == "-name" || option == "-birth" ||
         option == "-now" || option == "-list";
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// A backslash that only a line break follows (past spaces and tabs) ends a
// wrapped line of a resource file.
bool ContinuationAt(std::string_view text, std::size_t at) {
  if (text[at] != '\\') return false;
  std::size_t next = at + 1;
  while (next < text.size() && (text[next] == ' ' || text[next] == '\t' || text[next] == '\r')) ++next;
  return next < text.size() && text[next] == '\n';
}

// Characters a terminal acts on or that reorder the line around them.
bool Unprintable(char32_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// A character as \n, \r, \t, \xHH below U+0080 or \uHHHH; a byte that is no
// UTF-8 as \xHH (from 0x80 up, so never mistaken for a character).
std::string Escape(char32_t c, bool byte = false) {
  switch (c) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
  }
  char text[16];
  std::snprintf(text, sizeof text, c < 0x80 || byte ? "\\x%02x" : "\\u%04x", static_cast<unsigned>(c));
  return text;
}

}  // namespace

std::string CollapseWhitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool gap = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Blank(text[i]) || ContinuationAt(text, i)) {
      gap = true;
      continue;
    }
    if (gap && !out.empty()) out += ' ';
    gap = false;
    out += text[i];
  }
  return out;
}

std::string QuotedValue(std::string_view value) {
  std::string out = "\"";
  std::size_t characters = 0, at = 0;
  while (at < value.size() && characters < QuotedValueLimit) {
    const std::size_t start = at;
    const auto c = ReadUtf8(value, at);
    ++characters;
    if (!c) {
      out += Escape(static_cast<unsigned char>(value[at++]), true);
    } else if (*c == '"' || *c == '\\') {
      out += '\\';
      out += static_cast<char>(*c);
    } else if (Unprintable(*c)) {
      out += Escape(*c);
    } else {
      out.append(value, start, at - start);
    }
  }
  if (at < value.size()) out += "…";
  return out + "\"";
}

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
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0 || id > 0x1FFFFFFFul)
    return std::nullopt;
  return id;
}

std::variant<HackOptions, HackOptionError> ParseHackOptions(const std::vector<std::string>& args) {
  HackOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    if (option.size() > 2 && option[0] == '-' && option[1] == '-') option.erase(0, 1);
    std::string_view value;
    if (TakesValue(option)) {
      if (i + 1 >= args.size()) return Bad(option, option == "-list" ? "missing file name" : "missing value");
      value = args[++i];
    }
    if (option == "-root" || option == "-window") {
      options.Target = option == "-root" ? HackTarget::Root : HackTarget::OwnWindow;
      options.TargetGiven = true;
    } else if (option == "-window-id") {
      const auto id = ParseWindowId(value);
      if (!id) return Bad(option, "expected a window id such as 0x2a00007, got " + QuotedValue(value));
      options.Target = HackTarget::WindowId;
      options.TargetGiven = true;
      options.WindowId = *id;
    } else if (option == "-display") {
      options.Display = std::string(value);
    } else if (option == "-name") {
      auto name = Utf16FromUtf8(CollapseWhitespace(value));
      if (!name) return Bad(option, "not valid UTF-8");
      options.Name = std::move(*name);
    } else if (option == "-birth" || option == "-now") {
      const auto moment = ParseHackMoment(CollapseWhitespace(value));
      if (!moment)
        return Bad(option, "expected a date and time as YYYY-MM-DDTHH:MM[:SS], got " + QuotedValue(value));
      (option == "-birth" ? options.Birth : options.FixedNow) = *moment;
    } else if (option == "-english" || option == "-russian") {
      options.English = option == "-english";
    } else if (option == "-stars" || option == "-no-stars") {
      options.Stars = option == "-stars";
    } else if (option == "-list") {
      if (value.empty()) return Bad(option, "missing file name");
      options.ListFile = std::string(value);
    } else if (option == "-help" || option == "-h") {
      options.Help = true;
    } else {
      return HackOptionError{"quellora: unknown option " + QuotedValue(args[i]) + " (see quellora -help)"};
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
  Settings settings = ResolveSettings(
      stored, [&] { return RussianByDefault(locale); }, RegionalFormats{}, 0);
  if (options.Birth) settings.BirthMoment = *options.Birth;
  return settings;
}
