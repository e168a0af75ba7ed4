// Stands in for the program that holds a screen saver's preview: shows a plain
// window, prints its handle, and runs until the window is closed, or, with
// --abandon-after MS, ends after MS milliseconds without destroying it.
//   preview_parent [--at X Y WIDTH HEIGHT] [--abandon-after MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int x = 100, y = 100, width = 320, height = 240;
  long abandonAfter = -1;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--at") && i + 4 < argc) {
      x = std::atoi(argv[++i]);
      y = std::atoi(argv[++i]);
      width = std::atoi(argv[++i]);
      height = std::atoi(argv[++i]);
    } else if (!std::strcmp(argv[i], "--abandon-after") && i + 1 < argc) {
      abandonAfter = std::atol(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: preview_parent [--at X Y WIDTH HEIGHT] [--abandon-after MS]\n");
      return 2;
    }
  }
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ParentProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"QuelloraTestPreviewParent";
  RegisterClassW(&windowClass);
  const HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Preview parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x,
                      y, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
  std::fflush(stdout);

  if (abandonAfter >= 0) SetTimer(window, 1, static_cast<UINT>(abandonAfter), nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Ends the way a crashing or killed program does: its windows are not destroyed.
    if (message.message == WM_TIMER && message.hwnd == window) ExitProcess(0);
    DispatchMessageW(&message);
  }
  return 0;
}
