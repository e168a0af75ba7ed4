// The two screen modes with the step that starts the redraw thread given, so
// that a thread that cannot start can be tried, and the message loop they share.
#pragma once

#include <windows.h>

// Starts the redraw thread; reports whether it started.
using RedrawThreadStarter = bool (*)();
bool StartRedrawThread();

void RunFullScreen(RedrawThreadStarter startRedrawThread);
// Returns at once when parent is not a window, or is the desktop.
void RunPreviewIn(HWND parent, RedrawThreadStarter startRedrawThread);
void RunMessageLoop();
