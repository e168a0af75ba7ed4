// The two screen modes, full screen and preview, and the message loop they share.
#include <windows.h>

#include "command_line_win.h"
#include "cover_windows.h"
#include "host_state.h"
#include "modes.h"
#include "redraw_thread.h"
#include "saver_window.h"
#include "screen_modes.h"
#include "startup_marks.h"
#include "unique_handle.h"

bool StartRedrawThread() {
  DWORD threadId = 0;
  // The thread runs until the process ends; its handle is not needed.
  const UniqueHandle thread{CreateThread(nullptr, 0, RedrawThread, nullptr, 0, &threadId)};
  return static_cast<bool>(thread);
}

void RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void RunSaver() { RunFullScreen(StartRedrawThread); }

void RunFullScreen(RedrawThreadStarter startRedrawThread) {
  IsPreview = false;
  MouseEventsLeft = MouseTolerance;
  const HWND previousForeground = GetForegroundWindow();
  // Other programs may have raised the display count; hide until it is no longer positive.
  while (ShowCursor(FALSE) > 0) {}
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  // Without a window, or without the thread that ends the loop, nothing would
  // ever end the message loop: the screen is given back instead.
  if (CreateSaverWindow(desktop.right - desktop.left, desktop.bottom - desktop.top, nullptr)) {
    MarkStartup(StartupStep::SaverWindow);
    // The other monitors are covered too, until the loop ends.
    const CoverWindows covers;
    MarkStartup(StartupStep::CoverWindows);
    if (startRedrawThread()) {
      MarkStartup(StartupStep::RedrawThread);
      UINT scratch = 0;
      SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, 1, &scratch, 0);
      RunMessageLoop();
      SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, 0, &scratch, 0);
    } else {
      DestroyWindow(SaverWindow);
    }
  }
  ShowCursor(TRUE);
  SetForegroundWindow(previousForeground);
}

void RunPreview() {
  const Arguments& arguments = CommandLineArguments();
  RunPreviewIn(arguments.size() < 2 ? GetForegroundWindow() : WindowFromInt32(ReadPreviewHandle(arguments[1])),
               StartRedrawThread);
}

namespace {

// The desktop (and the shell's window over it) holds no preview: a disabled
// child over the whole screen that no one destroys would leave the screen
// covered for good. Nor does a parent that is not a window, which gets no
// child, so that no quit message would ever come.
bool IsPreviewHost(HWND parent) {
  return parent && IsWindow(parent) && parent != GetDesktopWindow() && parent != GetShellWindow();
}

}  // namespace

void RunPreviewIn(HWND parent, RedrawThreadStarter startRedrawThread) {
  IsPreview = true;
  // Such a preview ends at once.
  if (!IsPreviewHost(parent)) return;
  RECT frame{};
  GetWindowRect(parent, &frame);
  if (!CreateSaverWindow(frame.right - frame.left, frame.bottom - frame.top, parent)) return;
  PreviewParent = parent;
  MessageLoopThread = GetCurrentThreadId();
  if (!startRedrawThread()) {
    DestroyWindow(SaverWindow);
    return;
  }
  RunMessageLoop();
}
