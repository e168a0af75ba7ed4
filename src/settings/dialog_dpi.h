// The settings dialog's view of the display's scale: the DPI of the monitor it
// is on where Windows 10 tells it, else the system's. The Windows 10 calls are
// looked up by name, so that the saver still starts where they are missing.
#pragma once

#include <windows.h>

// WM_GETDPISCALEDSIZE (Windows 10 1703): asks the window its size at a new DPI
// before WM_DPICHANGED moves it to a monitor of that DPI.
inline constexpr UINT WmGetDpiScaledSize = 0x02E4;

// While it lives, the windows this thread makes follow the DPI of the monitor
// they are on and are told of a change (per-monitor awareness, version 2).
// Where the system has no such mode they stay at the system's DPI.
class PerMonitorDpiScope {
public:
  PerMonitorDpiScope();
  ~PerMonitorDpiScope();
  PerMonitorDpiScope(const PerMonitorDpiScope&) = delete;
  PerMonitorDpiScope& operator=(const PerMonitorDpiScope&) = delete;

private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The DPI the window is shown at.
int DpiOfWindow(HWND window);

// The window's outer size for a client area of the given pixels at dpi, its
// caption and frame measured at that DPI where the system can.
SIZE FrameForClient(HWND window, int clientWidth, int clientHeight, int dpi);

// Keeps the dialog manager of Windows 10 1703 and later from scaling the
// dialog and its controls on a DPI change: the dialog lays itself out.
void KeepOwnDpiLayout(HWND dialog);
