// The test window's class is registered once per process; a second
// registration fails and the first stays in use. A window with a procedure of
// its own is of that class too, its procedure put in after it is made.
#include "test_window.h"

namespace {

const wchar_t* TestWindowClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuelloraTestWindow";
  RegisterClassW(&windowClass);
  return windowClass.lpszClassName;
}

}  // namespace

TestWindow::TestWindow(const wchar_t* title, DWORD extendedStyle)
    : window_(CreateWindowExW(extendedStyle, TestWindowClass(), title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30,
                              330, 250, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}

TestWindow::TestWindow(int width, int height, WNDPROC procedure)
    : window_(CreateWindowExW(WS_EX_TOPMOST, TestWindowClass(), L"", WS_POPUP, 0, 0, width, height, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr)) {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}
