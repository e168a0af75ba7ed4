// The routines of the saver host, shared between its small source files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "command_line.h"

inline constexpr wchar_t SaverClassName[] = L"QuelloraScreenSaverClass";
inline constexpr wchar_t SaverWindowTitle[] = L"QuelloraSaver";
inline constexpr std::int32_t MouseTolerance = 3;

// The arguments after the program name, split once from GetCommandLineW.
const Arguments& CommandLineArguments();

// A 32-bit handle value as a window handle (sign-extended on 64-bit Windows).
inline HWND WindowFromInt32(std::int32_t value) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(value));
}

void RunSaver();
void RunPreview();
// The two screen modes with the step that starts the redraw thread given, so
// that a thread that cannot start can be tried; it reports whether it started.
using RedrawThreadStarter = bool (*)();
void RunFullScreen(RedrawThreadStarter startRedrawThread);
// Returns at once when parent is not a window, or is the desktop.
void RunPreviewIn(HWND parent, RedrawThreadStarter startRedrawThread);
void RunSettings();
void ChangePassword();

// Fills MeridianStart, registers the class and creates the saver window: a
// disabled child of parent, or, without a parent, a topmost pop-up.
HWND CreateSaverWindow(std::int32_t width, std::int32_t height, HWND parent);
LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
DWORD WINAPI RedrawThread(LPVOID unused);
bool StartRedrawThread();
void RunMessageLoop();

// True when the saver may close: no password is required, or the system's check accepted.
bool VerifyPassword();
// Up to four bytes of a registry value as a little-endian signed integer;
// nothing when the value is missing or longer than four bytes.
std::optional<std::int32_t> ReadFourByteValue(HKEY key, const wchar_t* name);
