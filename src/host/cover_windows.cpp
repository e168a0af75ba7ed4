// The cover windows: made over the other monitors, painted with the picture's
// background and stars, and closing the saver by the saver window's own rules.
#include "cover_windows.h"

#include <cstdint>
#include <new>
#include <vector>

#include "cover_picture.h"
#include "host_state.h"
#include "paint_cover.h"
#include "saver_window.h"
#include "startup_marks.h"

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
  // No exception may pass through the system's code: out of memory ends the list.
  try {
    reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(
        {rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

std::int64_t Area(const ScreenRect& r) { return std::int64_t{r.Width()} * r.Height(); }

// The star count a cover window was made with, kept in the window itself.
std::int32_t StarsOf(HWND window) { return static_cast<std::int32_t>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

BOOL CALLBACK InvalidateIfCover(HWND window, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpW(name, CoverClassName) == 0) InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}

}  // namespace

std::vector<ScreenRect> MonitorRects() {
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

CoverWindows::CoverWindows() {
  try {
    MakeCovers();
  } catch (const std::bad_alloc&) {
    // Out of memory: the monitors covered so far stay covered, and the saver runs.
  }
}

void CoverWindows::MakeCovers() {
  RECT frame{};
  GetWindowRect(SaverWindow, &frame);
  const ScreenRect saver{frame.left, frame.top, frame.right, frame.bottom};
  const std::vector<ScreenRect> rects = CoverRects(MonitorRects(), saver);
  MarkStartup(StartupStep::Monitors);
  if (rects.empty()) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterPaintedClass(CoverClassName, CoverWindowProc, 0);
  for (const ScreenRect& r : rects) {
    // Created hidden and shown without activation, so the saver window keeps
    // the foreground and the keyboard.
    UniqueWindow window{CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, CoverClassName, L"", WS_POPUP, r.Left,
                                        r.Top, r.Width(), r.Height(), nullptr, nullptr, instance, nullptr)};
    if (!window) continue;
    const HWND shown = window.get();
    SetWindowLongPtrW(shown, GWLP_USERDATA, CoverStarCount(Area(r), Area(saver)));
    windows_.push_back(std::move(window));
    // Just below the saver window: where a monitor overlaps the primary in
    // part, the picture stays on top.
    SetWindowPos(shown, SaverWindow, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void InvalidateCoverWindows() {
  const DWORD mainThread = GetWindowThreadProcessId(SaverWindow, nullptr);
  if (mainThread) EnumThreadWindows(mainThread, InvalidateIfCover, 0);
}

// Answers every message itself, as the saver window does. Keys and mouse
// events go to the saver window's procedure: one count of mouse events for
// all windows, and one password check.
LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      // Client area everywhere, so the real mouse's moves and clicks arrive.
      return HTCLIENT;
    case WM_NCCREATE: return 1;
    case WM_PAINT: PaintCover(window, StarsOf(window)); return 0;
    case WM_KEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return SaverWindowProc(SaverWindow, message, wParam, lParam);
    default:
      // WM_DESTROY among them: a cover going away does not end the run.
      return 0;
  }
}
