// Conversions between the program's UTF-16 texts and UTF-8 (command lines,
// operation lists).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
// Nothing when the bytes are not well-formed UTF-8.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);
// The code point that starts at byte `at`, which then moves past it; nothing
// (and `at` unmoved) where the bytes there are not well-formed UTF-8.
std::optional<char32_t> ReadUtf8(std::string_view text, std::size_t& at);
