// Finding the windows of another program from outside, and what they say of
// themselves.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using WindowMatch = std::function<bool(HWND)>;

// The top-level windows (with a parent: its child windows) that match, in the
// system's order.
std::vector<HWND> FindWindows(const WindowMatch& match, HWND parent = nullptr);
// The first of them, or null.
HWND FindWindowWhere(const WindowMatch& match, HWND parent = nullptr);

DWORD ProcessOf(HWND window);
std::wstring ClassNameOf(HWND window);
// The caption the system keeps for the window, asked without a message.
std::wstring TitleOf(HWND window);
// What the window answers to WM_GETTEXT: the only way to read another
// process's static controls. A hung window gives "" after five seconds.
std::wstring TextOf(HWND window);
