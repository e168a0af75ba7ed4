// A plain visible window of the test program's own: the window that had the
// foreground before the saver, a parent for the preview, a topmost neighbour.
#pragma once

#include <windows.h>

#include "unique_handle.h"

class TestWindow {
 public:
  explicit TestWindow(const wchar_t* title = L"Test window", DWORD extendedStyle = 0);
  HWND get() const { return window_.get(); }
  void Destroy() { window_.reset(); }

 private:
  UniqueWindow window_;
};
