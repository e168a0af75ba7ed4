// The cover windows: made over the other monitors, painted with the picture's
// background and stars, and closing the saver by the saver window's own rules.
#include "cover_windows.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "cover_picture.h"
#include "host.h"
#include "host_state.h"
#include "paint_cover.h"
#include "unique_handle.h"

namespace {

struct Cover {
  UniqueWindow Window;
  std::int32_t Stars = 0;
};

// Filled on the main thread before the redraw thread starts. The lock guards
// the end: a loop ended by a stray WM_DESTROY clears the list while the
// redraw thread may still be asking for repaints.
std::vector<Cover> Covers;
SRWLOCK CoversLock = SRWLOCK_INIT;

// Holds the list's lock while it lives.
class CoversHold {
 public:
  CoversHold() { AcquireSRWLockExclusive(&CoversLock); }
  ~CoversHold() { ReleaseSRWLockExclusive(&CoversLock); }
  CoversHold(const CoversHold&) = delete;
  CoversHold& operator=(const CoversHold&) = delete;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
  // No exception may pass through the system's code: out of memory ends the list.
  try {
    reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back({rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

std::int64_t Area(const ScreenRect& r) { return std::int64_t{r.Width()} * r.Height(); }

void RegisterCoverClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  // No cursor and no background brush, as the saver window's class: the
  // pointer stays hidden and every pixel is painted by WM_PAINT.
  windowClass.lpfnWndProc = CoverWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = CoverClassName;
  RegisterClassW(&windowClass);
}

std::int32_t StarsOf(HWND window) {
  const auto cover = std::find_if(Covers.begin(), Covers.end(),
                                  [&](const Cover& c) { return c.Window.get() == window; });
  return cover == Covers.end() ? 0 : cover->Stars;
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
  if (rects.empty()) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterCoverClass(instance);
  for (const ScreenRect& r : rects) {
    // Created hidden and shown without activation, so the saver window keeps
    // the foreground and the keyboard.
    UniqueWindow window{CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, CoverClassName, L"", WS_POPUP,
                                        r.Left, r.Top, r.Width(), r.Height(), nullptr, nullptr, instance,
                                        nullptr)};
    if (!window) continue;
    const HWND shown = window.get();
    Covers.push_back({std::move(window), CoverStarCount(Area(r), Area(saver))});
    // Just below the saver window: where a monitor overlaps the primary in
    // part, the picture stays on top.
    SetWindowPos(shown, SaverWindow, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

CoverWindows::~CoverWindows() {
  std::vector<Cover> ending;
  {
    const CoversHold hold;
    ending.swap(Covers);
  }
  // Destroyed outside the lock, after the list is empty for the redraw thread.
}

void InvalidateCoverWindows() {
  const CoversHold hold;
  for (const Cover& cover : Covers) InvalidateRect(cover.Window.get(), nullptr, FALSE);
}

// Answers every message itself, as the saver window does. Keys and mouse
// events go to the saver window's procedure: one count of mouse events for
// all windows, and one password check.
LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      // Client area everywhere, so the real mouse's moves and clicks arrive.
      return HTCLIENT;
    case WM_NCCREATE:
      return 1;
    case WM_PAINT:
      PaintCover(window, StarsOf(window));
      return 0;
    case WM_KEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return SaverWindowProc(SaverWindow, message, wParam, lParam);
    default:
      // WM_DESTROY among them: a cover going away does not end the run.
      return 0;
  }
}
