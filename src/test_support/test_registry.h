// What the registry tests share: values as stored, type and bytes, to reach a
// reader's edge cases with what a save never writes (short, long, odd-sized,
// of another type); and the access a key grants, to make a save fail.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>
#include <vector>

// A value's type and its bytes.
struct RawValue {
  DWORD Type = REG_NONE;
  std::vector<BYTE> Data;
};

// The first byteCount bytes of UTF-16 text, padded with zero bytes.
std::vector<BYTE> Bytes(std::u16string_view text, std::size_t byteCount);
// The text and its NUL, as REG_SZ stores it.
std::vector<BYTE> TextWithNul(std::u16string_view text);
// The four bytes of a REG_DWORD, low byte first.
std::vector<BYTE> Dword(DWORD value);

// Gives the key a DACL of one entry, Everyone may do `access` (KEY_READ locks
// it against writing, KEY_ALL_ACCESS opens it again); false when it cannot.
// The key must be open with WRITE_DAC.
bool SetKeyAccess(HKEY key, DWORD access);
