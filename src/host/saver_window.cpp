// The saver window: its class, its two shapes and its window procedure, which
// answers every message itself.
#include <windows.h>

#include "host_state.h"
#include "meridian_table.h"
#include "paint_screen.h"
#include "redraw_thread.h"
#include "saver_window.h"
#include "startup_marks.h"
#include "verify_password.h"

namespace {

void OnMouseEvent() {
  if (IsPreview) return;
  MouseEventsLeft = MouseEventsLeft - 1;
  if (MouseEventsLeft <= 0) CloseRequested = VerifyPassword();
}

}  // namespace

void RegisterPaintedClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSW windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);
}

HWND CreateSaverWindow(std::int32_t width, std::int32_t height, HWND parent) {
  FillMeridianStart();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterPaintedClass(SaverClassName, SaverWindowProc, CS_PARENTDC);

  HWND window = nullptr;
  if (parent) {
    window = CreateWindowExW(0, SaverClassName, SaverWindowTitle, WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, width,
                             height, parent, nullptr, instance, nullptr);
  } else {
    window = CreateWindowExW(0, SaverClassName, SaverWindowTitle, WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                             nullptr, nullptr, instance, nullptr);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW);
  }
  SaverWindow = window;
  // The message loop may paint the window before the redraw thread has run
  // and measured it; a paint of an unmeasured window would draw the picture
  // at no size. So it is measured here too.
  MeasureSaverWindow();
  return window;
}

// Nothing goes to DefWindowProcW: WM_CLOSE does not close the saver, and the
// only key that counts is WM_KEYDOWN.
LRESULT CALLBACK SaverWindowProc(HWND, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_NCHITTEST:
      // The whole window is client area. Answered 0 (nowhere), the system
      // would send the real mouse's moves and clicks to no window at all.
      return HTCLIENT;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_PAINT:
      MarkStartup(StartupStep::PaintStart);
      PaintScreen();
      MarkStartup(StartupStep::FirstPaint);
      return 0;
    case WM_NCCREATE: return 1;
    case WM_KEYDOWN: CloseRequested = VerifyPassword(); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnMouseEvent(); return 0;
    default: return 0;
  }
}
