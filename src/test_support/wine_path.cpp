// Unix paths as Wine's drive Z: shows them.
#include "wine_path.h"

#include "text_utf.h"
#include "wide_text.h"

std::wstring WinePath(std::wstring_view path) {
  if (path.empty() || path[0] != L'/') return std::wstring(path);
  std::wstring out = L"Z:";
  for (wchar_t c : path) out += c == L'/' ? L'\\' : c;
  return out;
}

std::wstring WinePath(std::string_view path) {
  // CMake writes paths in UTF-8; bytes that are not are taken one by one.
  if (const auto text = Utf16FromUtf8(path)) return WinePath(WideView(*text));
  std::wstring wide;
  for (char c : path) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return WinePath(std::wstring_view(wide));
}
