// The saver host's program-wide variables, shared by the window procedure, the
// redraw thread and the paint.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <atomic>
#include <cstdint>

extern HWND SaverWindow;  // set before the redraw thread starts
// Set before the redraw thread starts and not changed after; read on the main
// thread by the window procedure (no mouse counting) and the paint (the
// preview's picture), and by the redraw thread (a preview ends when its
// parent's program left it behind).
extern bool IsPreview;
extern std::int32_t MouseEventsLeft;            // main thread only
extern std::atomic<std::int32_t> ScreenWidth;   // written once by the redraw thread
extern std::atomic<std::int32_t> ScreenHeight;  // read by the paint
extern std::atomic<bool> CloseRequested;        // window procedure -> redraw thread
// The preview's parent and the thread whose message loop runs the preview: the
// redraw thread ends the preview when the parent's program left it behind.
extern HWND PreviewParent;       // set before the redraw thread starts
extern DWORD MessageLoopThread;  // set before the redraw thread starts
#endif
