// Build outputs reach the Windows tests as Unix paths (from CMake and CTest);
// Wine shows the Unix root as drive Z:.
#pragma once

#include <string>
#include <string_view>

// "/a/b" becomes "Z:\a\b"; a path that does not start with "/" is already a
// Windows path and stays as it is.
std::wstring WinePath(std::string_view path);
std::wstring WinePath(std::wstring_view path);
