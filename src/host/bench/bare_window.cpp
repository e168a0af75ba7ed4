// The yardstick for the saver's start-up: a bare Win32 program that shows one
// desktop-sized window, paints it black and ends on a key or WM_CLOSE. Watched
// by the start-up probe, it marks the saver's steps as it passes them; those
// it has no work for end where they begin.
#include <windows.h>

#include "startup_marks.h"

namespace {

bool FirstPaintMarked = false;

void Mark(StartupStep step) {
  if (FirstPaintMarked || !IsDebuggerPresent()) return;
  FirstPaintMarked = step == StartupStep::FirstPaint;
  char text[64] = {};
  const std::string_view name = StartupStepName(step);
  lstrcpynA(text, StartupMarkPrefix.data(), static_cast<int>(StartupMarkPrefix.size()) + 1);
  lstrcpynA(text + StartupMarkPrefix.size(), name.data(), static_cast<int>(name.size()) + 1);
  OutputDebugStringA(text);
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      Mark(StartupStep::PaintStart);
      PAINTSTRUCT paint{};
      if (const HDC dc = BeginPaint(window, &paint)) {
        Mark(StartupStep::Layout);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &paint);
      }
      Mark(StartupStep::FirstPaint);
      return 0;
    }
    case WM_KEYDOWN: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Mark(StartupStep::Main);
  Mark(StartupStep::Settings);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuelloraBareWindow";
  RegisterClassW(&windowClass);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  CreateWindowExW(0, windowClass.lpszClassName, L"Bare window", WS_POPUP | WS_VISIBLE, 0, 0,
                  desktop.right - desktop.left, desktop.bottom - desktop.top, nullptr, nullptr, instance, nullptr);
  Mark(StartupStep::SaverWindow);
  Mark(StartupStep::Monitors);
  Mark(StartupStep::CoverWindows);
  Mark(StartupStep::RedrawThread);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
