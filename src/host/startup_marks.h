// The saver's way from its start to its first paint in named steps, told to
// the start-up probe (src/host/bench), which watches the saver as its debugger.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// In the order a full-screen run passes them; each ends where it is marked.
enum class StartupStep {
  Main,          // wWinMain entered: the DLLs are started and the C runtime is ready
  Settings,      // the settings read from the registry, with the regional formats
  SaverWindow,   // the saver window's class and window made
  Monitors,      // the monitors listed
  CoverWindows,  // the other monitors covered
  RedrawThread,  // the redraw thread started
  PaintStart,    // the first WM_PAINT of the saver window begins
  Layout,        // the picture's fit to the window measured
  FirstPaint,    // the first WM_PAINT of the saver window done
};
inline constexpr std::array<std::string_view, 9> StartupStepNames = {
    "main",          "settings",    "saver window", "monitors",   "cover windows",
    "redraw thread", "paint start", "layout",       "first paint"};

// What a mark's debug text starts with; the step's name follows.
inline constexpr std::string_view StartupMarkPrefix = "quellora start-up: ";

inline std::string_view StartupStepName(StartupStep step) {
  return StartupStepNames[static_cast<std::size_t>(step)];
}

// Tells a watching debugger that the step has just ended, as a debug text.
// Without a debugger, and once the first paint is done, it does nothing but a
// flag test, so a user's run pays nothing for it.
void MarkStartup(StartupStep step);
