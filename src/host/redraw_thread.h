// The redraw thread: shows the saver window, asks for the minute's repaint and
// ends the message loop once closing is allowed.
#pragma once

#include <windows.h>

DWORD WINAPI RedrawThread(LPVOID unused);

// ScreenWidth and ScreenHeight from SaverWindow's rectangle: by the redraw
// thread at its start, and by the main thread once the window is made.
void MeasureSaverWindow();
