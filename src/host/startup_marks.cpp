// The start-up marks, sent only while a debugger watches the first start.
#include "startup_marks.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace {

// Set by the first paint's mark: the probe stops watching there.
std::atomic<bool> FirstPaintMarked{false};

}  // namespace

void MarkStartup(StartupStep step) {
  if (FirstPaintMarked.load(std::memory_order_relaxed) || !IsDebuggerPresent()) return;
  if (step == StartupStep::FirstPaint) FirstPaintMarked = true;
  std::string text(StartupMarkPrefix);
  text += StartupStepName(step);
  OutputDebugStringA(text.c_str());
}
