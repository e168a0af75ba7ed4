// The test window's class is registered once per process; a second
// registration fails and the first stays in use.
#include "test_window.h"

TestWindow::TestWindow(const wchar_t* title, DWORD extendedStyle) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuelloraTestWindow";
  RegisterClassW(&windowClass);
  window_ = UniqueWindow(CreateWindowExW(extendedStyle, windowClass.lpszClassName, title,
                                         WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 330, 250, nullptr, nullptr,
                                         windowClass.hInstance, nullptr));
}
