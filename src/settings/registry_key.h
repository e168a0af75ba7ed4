// The typed registry value reads and writes the settings store needs
// (Windows only).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "unique_handle.h"

// Opens `subKey` under `root` with full access, creating it when missing.
UniqueRegKey CreateRegistryKey(HKEY root, const wchar_t* subKey);

// A 4-byte REG_DWORD, or nothing (absent, another type or size, unreadable).
std::optional<std::uint32_t> ReadDwordValue(HKEY key, const wchar_t* name);

// A REG_SZ or REG_EXPAND_SZ text (taken as stored, not expanded) up to its
// first NUL, whatever its length and whether or not a NUL was stored; nothing
// when absent, of another type or unreadable.
std::optional<std::u16string> ReadTextValue(HKEY key, const wchar_t* name);

bool WriteDwordValue(HKEY key, const wchar_t* name, std::uint32_t value);
// Written as REG_SZ with its terminating NUL.
bool WriteTextValue(HKEY key, const wchar_t* name, std::u16string_view text);
