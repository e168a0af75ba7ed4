// A plain visible window of the test program's own: the window that had the
// foreground before the saver, a parent for the preview, a topmost neighbour;
// or a pop-up whose messages a test handles itself, such as a paint.
#pragma once

#include <windows.h>

#include "unique_handle.h"

class TestWindow {
public:
  explicit TestWindow(const wchar_t* title = L"Test window", DWORD extendedStyle = 0);
  // A hidden topmost pop-up of width by height pixels at the screen's top-left
  // whose messages go to `procedure` (which hands the rest to DefWindowProcW).
  TestWindow(int width, int height, WNDPROC procedure);
  HWND get() const { return window_.get(); }
  void Destroy() { window_.reset(); }

private:
  UniqueWindow window_;
};
