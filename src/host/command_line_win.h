// The process's own command line as the saver reads it, and window handles
// given on it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "command_line.h"

// The arguments after the program name, split once from GetCommandLineW.
const Arguments& CommandLineArguments();

// A 32-bit handle value as a window handle (sign-extended on 64-bit Windows).
inline HWND WindowFromInt32(std::int32_t value) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(value)); }
