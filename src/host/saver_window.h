// The saver window: its class and title, its two shapes, and the window
// procedure that counts the mouse and asks for the password check.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr wchar_t SaverClassName[] = L"QuelloraScreenSaverClass";
inline constexpr wchar_t SaverWindowTitle[] = L"QuelloraSaver";
inline constexpr std::int32_t MouseTolerance = 3;

// Registers a class for the saver's own windows: no cursor and no background
// brush, so the pointer stays hidden and every pixel is painted by WM_PAINT.
void RegisterPaintedClass(const wchar_t* name, WNDPROC procedure, UINT style);

// Fills MeridianStart, registers the class and creates the saver window: a
// disabled child of parent, or, without a parent, a topmost pop-up.
HWND CreateSaverWindow(std::int32_t width, std::int32_t height, HWND parent);
LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
