// The command line of quellora-snapshot, read into options or into the one-line
// complaint about the first bad argument.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "tdatetime.h"

struct SnapshotOptions {
  TDateTime Now = 0;
  TDateTime Birth = 0;
  bool Rus = false;
  std::optional<std::u16string> User;  // nothing: the language's placeholder name
  bool Stars = false;
  std::int32_t Width = 1920;
  std::int32_t Height = 1080;
  std::int32_t Dpi = 96;  // the display's scale: --size is in pixels, the list in 96-DPI units
  bool Preview = false;
  std::optional<std::filesystem::path> List;
  std::optional<std::filesystem::path> Image;
  bool Help = false;
};

struct SnapshotArgError {
  std::string Message;  // one line, naming the argument
};

inline constexpr std::int32_t MaxSnapshotSide = 16384;
inline constexpr std::int32_t MinSnapshotDpi = 48;
inline constexpr std::int32_t MaxSnapshotDpi = 480;

// args without the program name, UTF-8. imageAllowed: whether this build can
// write images (the Windows one).
std::variant<SnapshotOptions, SnapshotArgError> ParseSnapshotArgs(const std::vector<std::string>& args,
                                                                  bool imageAllowed);

// "YYYY-MM-DD HH:MM", a valid date and time of day.
std::optional<TDateTime> ParseMoment(std::string_view text);

extern const char SnapshotUsage[];
