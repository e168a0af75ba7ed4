// The redraw thread: shows the saver window, asks for the minute's repaint and
// ends the message loop once closing is allowed.
#pragma once

#include <windows.h>

DWORD WINAPI RedrawThread(LPVOID unused);
