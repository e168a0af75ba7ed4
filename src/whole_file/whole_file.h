// Writing a whole file or nothing: the bytes go to a temporary name beside the
// target, which is renamed over the target only once it is complete.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// On failure returns a one-line reason and leaves neither the target changed
// nor the temporary file behind.
std::string WriteFileWhole(const std::filesystem::path& target, std::string_view bytes);
