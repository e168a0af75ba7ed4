// The command-line rules of the saver, kept free of Windows so they are tested natively.
#include "command_line.h"

#include <limits>

namespace {

bool IsSeparator(char16_t c) { return c >= 0x0001 && c <= 0x0020; }

int DigitValue(char16_t c, int base) {
  int value = -1;
  if (c >= u'0' && c <= u'9')
    value = c - u'0';
  else if (c >= u'a' && c <= u'f')
    value = c - u'a' + 10;
  else if (c >= u'A' && c <= u'F')
    value = c - u'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

Arguments SplitCommandLine(std::u16string_view text) {
  // The command line reaches us as a C string: a NUL ends it.
  text = text.substr(0, text.find(u'\0'));
  Arguments arguments;
  std::size_t at = 0;
  for (;;) {
    for (;;) {
      while (at < text.size() && IsSeparator(text[at])) ++at;
      if (at + 1 < text.size() && text[at] == u'"' && text[at + 1] == u'"')
        at += 2;
      else
        break;
    }
    if (at >= text.size()) break;
    std::u16string argument;
    while (at < text.size() && !IsSeparator(text[at])) {
      if (text[at] == u'"') {
        ++at;
        while (at < text.size() && text[at] != u'"') argument += text[at++];
        if (at < text.size()) ++at;
      } else {
        argument += text[at++];
      }
    }
    if (argument.empty()) break;
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

Arguments ProgramArguments(std::u16string_view commandLine) {
  Arguments all = SplitCommandLine(commandLine);
  if (!all.empty()) all.erase(all.begin());
  return all;
}

SaverMode SelectMode(const Arguments& arguments) {
  if (arguments.empty()) return SaverMode::FullScreen;
  const std::u16string& first = arguments.front();
  switch (first.size() == 1 ? first[0] : first[1]) {
    case u'A':
    case u'a': return SaverMode::ChangePassword;
    case u'C':
    case u'c': return SaverMode::Settings;
    case u'P':
    case u'p': return SaverMode::Preview;
    case u'S':
    case u's': return SaverMode::FullScreen;
    default: return SaverMode::None;
  }
}

std::int32_t ParseWindowHandle(std::u16string_view text) {
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (negative) ++at;
  std::uint32_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at)
    value = value * 10u + static_cast<std::uint32_t>(text[at] - u'0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadPreviewHandle(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == u' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';

  int base = 10;
  if (at < text.size() && (text[at] == u'$' || text[at] == u'x' || text[at] == u'X')) {
    base = 16;
    at += 1;
  } else if (at + 1 < text.size() && text[at] == u'0' && (text[at + 1] == u'x' || text[at + 1] == u'X')) {
    base = 16;
    at += 2;
  }

  // Hexadecimal fills all 64 bits (so "$FFFFFFFFFFFFFFFF" is -1); decimal stops
  // before passing the largest magnitude of its sign.
  const std::uint64_t limit = base == 16 ? std::numeric_limits<std::uint64_t>::max()
                              : negative ? std::uint64_t{1} << 63
                                         : (std::uint64_t{1} << 63) - 1;
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at], base);
    if (digit < 0) break;
    const auto d = static_cast<std::uint64_t>(digit);
    if (value > (limit - d) / static_cast<std::uint64_t>(base)) break;
    value = value * static_cast<std::uint64_t>(base) + d;
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
}
