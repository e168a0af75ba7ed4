// The temporary file is named after the target, so the rename never crosses a
// file system.
#include "whole_file.h"

#include <fstream>
#include <system_error>

namespace {

std::string Shown(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

}  // namespace

std::string WriteFileWhole(const std::filesystem::path& target, std::string_view bytes) {
  std::filesystem::path temporary = target;
  temporary += ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot create " + Shown(temporary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return "cannot write " + Shown(temporary);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return "cannot replace " + Shown(target) + ": " + error.message();
  }
  return {};
}
