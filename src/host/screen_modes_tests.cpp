// The screen modes when their redraw thread cannot start, and the preview of
// the desktop: nothing would then end the message loop, so the mode must give
// the screen back by itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "cursor_count.h"
#include "host_state.h"
#include "screen_modes.h"
#include "test_window.h"
#include "unique_handle.h"

namespace {

bool ThreadCannotStart() { return false; }

// Ends a message loop that no one else would end, and tells that it had to.
class Watchdog {
public:
  Watchdog()
      : thread_(GetCurrentThreadId()), waiter_([this] {
          if (WaitForSingleObject(done_.get(), 5000) == WAIT_TIMEOUT) {
            fired_ = true;
            PostThreadMessageW(thread_, WM_QUIT, 0, 0);
          }
        }) {}
  ~Watchdog() {
    SetEvent(done_.get());
    if (waiter_.joinable()) waiter_.join();
  }
  bool Fired() {
    SetEvent(done_.get());
    if (waiter_.joinable()) waiter_.join();
    return fired_;
  }

private:
  UniqueHandle done_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  DWORD thread_;
  std::atomic<bool> fired_{false};
  std::thread waiter_;
};

// The window procedure answers the window's destruction with a quit message;
// it must not end the next test's loops.
void DropQuitMessage() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

TEST(FullScreenWithoutRedrawThread, GivesTheScreenBack) {
  TestWindow before(L"Before the saver");
  SetForegroundWindow(before.get());
  ASSERT_EQ(GetForegroundWindow(), before.get());
  const int cursorBefore = CursorCount();
  ASSERT_EQ(cursorBefore, 0);

  Watchdog watchdog;
  RunFullScreen(ThreadCannotStart);
  EXPECT_FALSE(watchdog.Fired()) << "the mode waited for a quit message that nothing would send";
  DropQuitMessage();

  EXPECT_NE(SaverWindow, nullptr);
  EXPECT_FALSE(IsWindow(SaverWindow)) << "the topmost window stayed on the screen";
  EXPECT_EQ(CursorCount(), cursorBefore) << "hidden once by the loop and shown once again";
  EXPECT_EQ(GetForegroundWindow(), before.get());
  BOOL running = TRUE;
  SystemParametersInfoW(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
  EXPECT_FALSE(running);
}

TEST(PreviewWithoutRedrawThread, EndsAndLeavesTheParentEmpty) {
  TestWindow parent;
  Watchdog watchdog;
  RunPreviewIn(parent.get(), ThreadCannotStart);
  EXPECT_FALSE(watchdog.Fired()) << "the preview waited for a quit message that nothing would send";
  DropQuitMessage();
  EXPECT_TRUE(IsWindow(parent.get()));
  EXPECT_EQ(GetWindow(parent.get(), GW_CHILD), nullptr) << "the preview child stayed in its parent";
}

// What the paint would find when the redraw thread starts (the message loop,
// which may paint first, runs only after that).
struct SizeAtThreadStart {
  std::int32_t Width = -1, Height = -1;
  RECT Window{};
} Seen;
bool RecordSizeAndFail() {
  Seen.Width = ScreenWidth;
  Seen.Height = ScreenHeight;
  GetWindowRect(SaverWindow, &Seen.Window);
  return false;
}

TEST(ScreenModes, MeasureTheWindowBeforeAnythingCanPaintIt) {
  for (const bool preview : {false, true}) {
    SCOPED_TRACE(preview ? "preview" : "full screen");
    ScreenWidth = 0;
    ScreenHeight = 0;
    Seen = {};
    TestWindow parent;
    Watchdog watchdog;
    if (preview)
      RunPreviewIn(parent.get(), RecordSizeAndFail);
    else
      RunFullScreen(RecordSizeAndFail);
    EXPECT_FALSE(watchdog.Fired());
    DropQuitMessage();
    EXPECT_GT(Seen.Width, 0);
    EXPECT_EQ(Seen.Width, Seen.Window.right - Seen.Window.left);
    EXPECT_EQ(Seen.Height, Seen.Window.bottom - Seen.Window.top);
  }
}

bool RedrawThreadStarted = false;
bool ThreadMustNotStart() {
  RedrawThreadStarted = true;
  return false;
}

TEST(PreviewOfTheDesktop, EndsAtOnceWithoutAWindow) {
  for (const HWND parent : {GetDesktopWindow(), GetShellWindow()}) {
    if (!parent) continue;  // no shell window under Wine
    SaverWindow = nullptr;
    RedrawThreadStarted = false;
    Watchdog watchdog;
    RunPreviewIn(parent, ThreadMustNotStart);
    EXPECT_FALSE(watchdog.Fired()) << "the desktop's preview waited for a quit message";
    DropQuitMessage();
    EXPECT_EQ(SaverWindow, nullptr) << "a preview window was made over the desktop";
    EXPECT_FALSE(RedrawThreadStarted);
  }
}

}  // namespace
