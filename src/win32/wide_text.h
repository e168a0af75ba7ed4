// The program's UTF-16 text (char16_t) handed to Win32 as wchar_t and back.
// On Windows both are UTF-16 code units of the same size, so a view of one is
// a view of the other; only a C string needs a copy, for its closing NUL.
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline std::wstring_view WideView(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string_view Utf16View(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// A NUL-terminated char16_t string as a Win32 C string.
inline const wchar_t* WideCString(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// A copy that ends in a NUL, for a call that takes a C string.
inline std::wstring WideString(std::u16string_view text) { return std::wstring(WideView(text)); }

inline std::u16string Utf16String(std::wstring_view text) { return std::u16string(Utf16View(text)); }
