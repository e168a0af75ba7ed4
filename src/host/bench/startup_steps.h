// Where a program's start-up goes: the program started as the probe's debuggee,
// the times of its process, its DLL loads and the saver's start-up marks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "child_process.h"

// One watched start. Times are milliseconds from the CreateProcess call.
struct WatchedStart {
  struct Step {
    std::string Name;
    double At = 0;
  };
  struct Dll {
    std::wstring Name;
    std::string Step;  // the step it loaded in
  };
  // In the order they came: "process made", "DLLs loaded" (the loader's first
  // breakpoint), then the program's own marks up to "first paint".
  std::vector<Step> Steps;
  std::vector<Dll> Dlls;
};

// Starts the program in child as this thread's debuggee and follows it to its
// first paint's mark, then lets it go on running undebugged. False, with a
// message on stderr, when it cannot start, or ends or goes quiet before that.
bool WatchStart(ChildProcess& child, const std::wstring& program, const std::wstring& arguments,
                double counterFrequency, WatchedStart& start);

// Prints each step's median duration over the starts, what it covers and the
// DLLs loaded in it; false when a step of the saver's start is missing from a
// start, or a start has a step the list does not name.
bool PrintSteps(const std::wstring& program, const std::vector<WatchedStart>& starts);
