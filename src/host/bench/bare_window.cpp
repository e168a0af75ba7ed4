// The yardstick for the saver's start-up: a bare Win32 program that shows one
// desktop-sized window, paints it black and ends on a key or WM_CLOSE.
#include <windows.h>

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      if (const HDC dc = BeginPaint(window, &paint)) {
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &paint);
      }
      return 0;
    }
    case WM_KEYDOWN:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuelloraBareWindow";
  RegisterClassW(&windowClass);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  CreateWindowExW(0, windowClass.lpszClassName, L"Bare window", WS_POPUP | WS_VISIBLE, 0, 0,
                  desktop.right - desktop.left, desktop.bottom - desktop.top, nullptr, nullptr, instance,
                  nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
