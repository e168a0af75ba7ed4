// UTF-8 <-> UTF-16 by hand: the standard library's converters are deprecated.
#include "text_utf.h"

#include <cstdint>

namespace {

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    PutUtf8(out, c);
  }
  return out;
}

std::optional<char32_t> ReadUtf8(std::string_view text, std::size_t& at) {
  if (at >= text.size()) return std::nullopt;
  const auto lead = static_cast<std::uint8_t>(text[at]);
  int extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (at + extra >= text.size() && extra > 0) return std::nullopt;
  for (int n = 1; n <= extra; ++n) {
    const auto next = static_cast<std::uint8_t>(text[at + n]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  at += 1 + extra;
  return c;
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    auto c = ReadUtf8(text, i);
    if (!c) return std::nullopt;
    if (*c >= 0x10000) {
      *c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (*c >> 10));
      out += static_cast<char16_t>(0xDC00 + (*c & 0x3FF));
    } else {
      out += static_cast<char16_t>(*c);
    }
  }
  return out;
}
