// The cover windows of a full-screen run: one topmost pop-up over each monitor
// that the saver window leaves uncovered, so that nothing on the other
// monitors stays readable while the saver runs.
#pragma once

#include <windows.h>

#include <vector>

#include "monitor_layout.h"
#include "unique_handle.h"

inline constexpr wchar_t CoverClassName[] = L"QuelloraScreenSaverCoverClass";

// Made on the main thread after SaverWindow and before the redraw thread
// starts; gone, all of them, when the object goes at the end of the run. With
// one monitor nothing is made. Each window keeps its own star count.
class CoverWindows {
public:
  CoverWindows();
  CoverWindows(const CoverWindows&) = delete;
  CoverWindows& operator=(const CoverWindows&) = delete;

private:
  void MakeCovers();

  std::vector<UniqueWindow> windows_;
};

// Asks each cover window for a repaint (new stars); from the redraw thread at
// the minute. It finds them among the windows of the saver window's thread,
// so the two threads share no list: once the covers are gone it finds none.
void InvalidateCoverWindows();

// Every monitor's rectangle, in the order the system lists them.
std::vector<ScreenRect> MonitorRects();

LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
