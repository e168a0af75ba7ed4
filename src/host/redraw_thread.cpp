// The redraw thread: measures and shows the saver window, asks for a repaint
// when the minute changes, and ends the message loop once closing is allowed.
#include <windows.h>

#include "cover_windows.h"
#include "host_state.h"
#include "minute_repaint.h"
#include "redraw_thread.h"

namespace {

int LocalMinuteOfDay() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wHour * 60 + now.wMinute;
}

}  // namespace

void MeasureSaverWindow() {
  RECT frame{};
  GetWindowRect(SaverWindow, &frame);
  ScreenWidth = frame.right - frame.left;
  ScreenHeight = frame.bottom - frame.top;
}

DWORD WINAPI RedrawThread(LPVOID) {
  MeasureSaverWindow();

  ShowWindow(SaverWindow, SW_SHOW);
  // The first paint: now, unless the message loop has already made it. The
  // window was measured before the loop ran, so that paint drew the picture
  // whole; asking for another would only draw it twice before the saver is idle.
  UpdateWindow(SaverWindow);
  MinuteRepaint minuteRepaint(LocalMinuteOfDay());

  for (;;) {
    if (minuteRepaint.Poll(LocalMinuteOfDay())) {
      InvalidateRect(SaverWindow, nullptr, FALSE);
      InvalidateCoverWindows();  // their stars are new every minute too
    }
    Sleep(1000);
    if (CloseRequested) break;
    // A program that ends without destroying the preview's parent sends the
    // preview no WM_DESTROY: it would run on with nothing to draw in.
    if (IsPreview && !IsWindow(PreviewParent)) break;
  }
  // The window procedure answers WM_DESTROY with the quit message. A preview
  // window that went with its parent gets no message at all: the loop is told directly.
  if (!PostMessageW(SaverWindow, WM_DESTROY, 0, 0) && IsPreview)
    PostThreadMessageW(MessageLoopThread, WM_QUIT, 0, 0);
  return 0;
}
