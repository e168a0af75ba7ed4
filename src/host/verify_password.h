// The system's screen-saver password check, asked when the desktop settings
// require one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

// True when the saver may close: no password is required, or the system's check accepted.
bool VerifyPassword();
// Up to four bytes of a registry value as a little-endian signed integer;
// nothing when the value is missing or longer than four bytes.
std::optional<std::int32_t> ReadFourByteValue(HKEY key, const wchar_t* name);
