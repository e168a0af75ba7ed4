// The command line of the XScreenSaver hack, read into options or into the
// one-line complaint about the first bad argument, and the settings it gives.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings.h"
#include "tdatetime.h"

// Where the picture goes. A window given by id or by XSCREENSAVER_WINDOW is
// not the program's own: only its events are selected, nothing else changed.
enum class HackTarget { OwnWindow, Root, WindowId };

struct HackOptions {
  HackTarget Target = HackTarget::OwnWindow;
  bool TargetGiven = false;  // -root, -window or -window-id was on the command line
  unsigned long WindowId = 0;
  std::optional<std::string> Display;
  std::optional<std::u16string> Name;
  std::optional<TDateTime> Birth;
  std::optional<bool> English;
  std::optional<bool> Stars;
  // For tests: draw this moment instead of the clock's, and write each
  // picture's drawing listing to this file.
  std::optional<TDateTime> FixedNow;
  std::optional<std::string> ListFile;
  bool Help = false;
};

struct HackOptionError {
  std::string Message;  // one line, naming the argument
};

// args without the program name. Each option may be written with one dash or
// two, as XScreenSaver's own settings write them.
std::variant<HackOptions, HackOptionError> ParseHackOptions(const std::vector<std::string>& args);

// "YYYY-MM-DDTHH:MM" or "YYYY-MM-DDTHH:MM:SS" (a space may stand for the T).
std::optional<TDateTime> ParseHackMoment(std::string_view text);

// Every run of whitespace as one space and none at the ends. XScreenSaver's
// settings tool wraps a long command line anywhere, inside a quoted value too,
// with a backslash, a line break and tabs; what reaches the hack is the tabs
// and spaces of the wrap (and, from a hand-written file, its backslash and
// line break), all of which count as whitespace here.
std::string CollapseWhitespace(std::string_view text);

// A value as an error line shows it: in double quotes, on one line whatever it
// holds (line breaks, tabs, quotes, backslashes and every control or
// reordering character written as an escape such as \n, \x1b or \u202e;
// bytes that are no UTF-8 as \xff), and cut after QuotedValueLimit characters
// with "…".
std::string QuotedValue(std::string_view value);
inline constexpr std::size_t QuotedValueLimit = 60;

// A window id in decimal or 0x-hexadecimal, not 0.
std::optional<unsigned long> ParseWindowId(std::string_view text);

// The language of messages by the POSIX order of the locale variables
// (LC_ALL, then LC_MESSAGES, then LANG); getenv is passed in for tests.
std::string MessagesLocale(const std::function<const char*(const char*)>& getenv);
// True for a locale whose language is Russian, Belarusian or Ukrainian
// ("ru_RU.UTF-8", "uk", "be_BY@latin"), the languages whose users get
// Russian texts by default, as on Windows.
bool RussianByDefault(std::string_view locale);

// The four settings: what the options say, the saver's defaults for the rest.
Settings HackSettings(const HackOptions& options, std::string_view locale);

extern const char HackUsage[];
