// The program's UTF-16 texts as UTF-8, for test messages and comparisons.
#pragma once

#include <string>
#include <string_view>

std::string Narrow(std::u16string_view text);
#ifdef _WIN32
// Win32 wide text is UTF-16 as well.
std::string Narrow(std::wstring_view text);
#endif
