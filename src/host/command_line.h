// Reading the saver's command line: splitting it into arguments, choosing the
// mode, and the two readers of a window handle given as text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Arguments = std::vector<std::u16string>;

// Splits a whole command line, program name included: blanks and control
// characters separate arguments, double quotes group blanks into one and are
// dropped, and an empty pair of quotes where an argument would begin counts as
// a blank. Splitting stops at an argument that comes out empty (a lone quote at
// the end), so no argument is ever empty.
Arguments SplitCommandLine(std::u16string_view commandLine);

// The arguments after the program name.
Arguments ProgramArguments(std::u16string_view commandLine);

enum class SaverMode { None, FullScreen, Preview, Settings, ChangePassword };

// No argument means the full-screen saver; otherwise a one-character first
// argument is the mode letter and a longer one is judged by its second character.
SaverMode SelectMode(const Arguments& arguments);

// Optional '-', then decimal digits in wrap-around 32-bit arithmetic; no blanks,
// no '+'. Anything else ends the number; nothing read gives 0.
std::int32_t ParseWindowHandle(std::u16string_view text);

// The preview parent: leading spaces, an optional sign, then decimal digits or
// hexadecimal ones after "$", "x", "X", "0x" or "0X", read as a signed 64-bit
// number of which the low 32 bits are returned. Reading stops at the first
// character that does not fit, and before a digit that would overflow 64 bits.
std::int32_t ReadPreviewHandle(std::u16string_view text);
