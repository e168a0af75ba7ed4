// The saver host's program-wide variables; all start at zero, as at process start.
#include "host_state.h"

HWND SaverWindow = nullptr;
bool IsPreview = false;
std::int32_t MouseEventsLeft = 0;
std::atomic<std::int32_t> ScreenWidth{0};
std::atomic<std::int32_t> ScreenHeight{0};
std::atomic<bool> CloseRequested{false};
HWND PreviewParent = nullptr;
DWORD MessageLoopThread = 0;
