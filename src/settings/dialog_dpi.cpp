// The Windows 10 DPI calls of user32, looked up once; without them, the
// system's DPI and frame metrics.
#include "dialog_dpi.h"

#include "unique_handle.h"

namespace {

struct DpiCalls {
  using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
  using ForWindow = UINT(WINAPI*)(HWND);
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  using DialogBehaviour = BOOL(WINAPI*)(HWND, int, int);
  SetThreadContext SetThreadDpiAwarenessContext = nullptr;
  ForWindow GetDpiForWindow = nullptr;
  AdjustForDpi AdjustWindowRectExForDpi = nullptr;
  DialogBehaviour SetDialogDpiChangeBehavior = nullptr;
};

const DpiCalls& Calls() {
  static const DpiCalls calls = [] {
    DpiCalls found;
    // user32 is loaded: the program imports it.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return found;
    found.SetThreadDpiAwarenessContext =
        GetEntry<DpiCalls::SetThreadContext>(user32, "SetThreadDpiAwarenessContext");
    found.GetDpiForWindow = GetEntry<DpiCalls::ForWindow>(user32, "GetDpiForWindow");
    found.AdjustWindowRectExForDpi = GetEntry<DpiCalls::AdjustForDpi>(user32, "AdjustWindowRectExForDpi");
    found.SetDialogDpiChangeBehavior = GetEntry<DpiCalls::DialogBehaviour>(user32, "SetDialogDpiChangeBehavior");
    return found;
  }();
  return calls;
}

constexpr int DdcDisableAll = 0x0001;  // DDC_DISABLE_ALL

int SystemDpi() {
  const UniqueWindowDc screen = GetWindowDc(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

PerMonitorDpiScope::PerMonitorDpiScope() {
  if (const auto set = Calls().SetThreadDpiAwarenessContext)
    previous_ = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);  // null where version 2 is unknown
}

PerMonitorDpiScope::~PerMonitorDpiScope() {
  if (previous_) Calls().SetThreadDpiAwarenessContext(previous_);
}

int DpiOfWindow(HWND window) {
  if (const auto forWindow = Calls().GetDpiForWindow) {
    if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

SIZE FrameForClient(HWND window, int clientWidth, int clientHeight, int dpi) {
  RECT frame{0, 0, clientWidth, clientHeight};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  const auto adjust = Calls().AdjustWindowRectExForDpi;
  if (!adjust || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void KeepOwnDpiLayout(HWND dialog) {
  if (const auto behaviour = Calls().SetDialogDpiChangeBehavior) behaviour(dialog, DdcDisableAll, DdcDisableAll);
}
