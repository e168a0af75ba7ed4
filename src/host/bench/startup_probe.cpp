// Measures GUI programs under Wine from outside: the time from starting the
// process to its first idle message loop (its first paint is then done), and
// optionally the processor time it uses over a stretch of running; or where
// the saver's start-up goes, step by step.
//   startup_probe RUNS CPU_SECONDS PROGRAM [ARGUMENTS] [-- PROGRAM [ARGUMENTS]]...
//   startup_probe --steps RUNS PROGRAM [ARGUMENTS] [-- PROGRAM [ARGUMENTS]]...
// Several programs are started in turn, one run of each per round, so that a
// slow spell of the machine falls on all of them alike. Prints one line per
// run and each program's median; ends each child it started itself. With
// --steps each program runs as the probe's debuggee (see startup_steps.h) and
// the probe prints each step's median; it fails when a step is missing.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "child_process.h"
#include "median.h"
#include "startup_steps.h"
#include "window_search.h"
#include "wine_path.h"

namespace {

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

// Asks the child to end the way a user would (a key for the saver, WM_CLOSE for
// a plain window) and waits for it; its owner ends it by its handle if it does not.
void AskToEnd(const ChildProcess& child) {
  for (HWND window : FindWindows([&](HWND window) { return ProcessOf(window) == child.Id(); })) {
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  child.WaitForExit(5000);
}

// One program to measure: its path as Windows sees it, its arguments, its runs.
struct Subject {
  std::wstring program;
  std::wstring arguments;
  std::vector<double> startups;
};

// Starts the subject once and waits for its first idle message loop; false
// when it cannot start or never gets there.
bool MeasureOnce(Subject& subject, int run, int cpuSeconds, double frequency) {
  ChildProcess child;
  LARGE_INTEGER start, idle;
  QueryPerformanceCounter(&start);
  if (!child.Start(subject.program, subject.arguments)) {
    std::fwprintf(stderr, L"cannot start %ls: %lu\n", subject.program.c_str(), GetLastError());
    return false;
  }
  const DWORD waited = WaitForInputIdle(child.Handle(), 30000);
  QueryPerformanceCounter(&idle);
  if (waited != 0) {
    std::fwprintf(stderr, L"%ls run %d: no idle message loop within 30 s\n", subject.program.c_str(), run);
    AskToEnd(child);
    return false;
  }
  const double ms = 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) / frequency;
  subject.startups.push_back(ms);
  std::wprintf(L"%ls run %d: first paint done after %.1f ms\n", subject.program.c_str(), run, ms);
  if (cpuSeconds > 0) {
    FILETIME created, exited, kernel0, user0, kernel1, user1;
    GetProcessTimes(child.Handle(), &created, &exited, &kernel0, &user0);
    Sleep(static_cast<DWORD>(cpuSeconds) * 1000);
    GetProcessTimes(child.Handle(), &created, &exited, &kernel1, &user1);
    std::wprintf(L"%ls run %d: CPU over %d s: %.3f s user, %.3f s kernel\n", subject.program.c_str(), run,
                 cpuSeconds, Seconds(user1) - Seconds(user0), Seconds(kernel1) - Seconds(kernel0));
  }
  AskToEnd(child);
  return true;
}

// Each subject's start-up step by step, RUNS rounds in turn.
int WatchSteps(int runs, std::vector<Subject>& subjects, double frequency) {
  std::vector<std::vector<WatchedStart>> starts(subjects.size());
  for (int run = 1; run <= runs; ++run) {
    for (std::size_t i = 0; i < subjects.size(); ++i) {
      ChildProcess child;
      WatchedStart start;
      const bool watched = WatchStart(child, subjects[i].program, subjects[i].arguments, frequency, start);
      AskToEnd(child);
      if (!watched) return 1;
      std::wprintf(L"%ls run %d: first paint done after %.1f ms (watched)\n", subjects[i].program.c_str(), run,
                   start.Steps.empty() ? 0.0 : start.Steps.back().At);
      starts[i].push_back(std::move(start));
    }
  }
  bool complete = true;
  for (std::size_t i = 0; i < subjects.size(); ++i)
    complete = PrintSteps(subjects[i].program, starts[i]) && complete;
  return complete ? 0 : 1;
}

// The programs after the first `first` arguments: PROGRAM [ARGUMENTS] [-- PROGRAM [ARGUMENTS]]...
std::vector<Subject> Subjects(int first, int argc, wchar_t** argv) {
  std::vector<Subject> subjects;
  for (int i = first; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--") == 0) continue;
    // A Unix path (as CTest passes it) lies on Wine's drive Z:.
    Subject subject;
    subject.program = WinePath(std::wstring_view(argv[i]));
    while (i + 1 < argc && std::wcscmp(argv[i + 1], L"--") != 0) {
      if (!subject.arguments.empty()) subject.arguments += L' ';
      subject.arguments += argv[++i];
    }
    subjects.push_back(std::move(subject));
  }
  return subjects;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool steps = argc >= 2 && std::wcscmp(argv[1], L"--steps") == 0;
  if (argc < 4) {
    std::fwprintf(stderr,
                  L"usage: startup_probe RUNS CPU_SECONDS PROGRAM [ARGUMENTS] [-- PROGRAM [ARGUMENTS]]...\n"
                  L"       startup_probe --steps RUNS PROGRAM [ARGUMENTS] [-- PROGRAM [ARGUMENTS]]...\n");
    return 2;
  }
  // The programs follow RUNS CPU_SECONDS, or --steps RUNS: from the fourth argument on.
  const int runs = _wtoi(argv[steps ? 2 : 1]);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<Subject> subjects = Subjects(3, argc, argv);
  if (steps) return WatchSteps(runs, subjects, static_cast<double>(frequency.QuadPart));

  const int cpuSeconds = _wtoi(argv[2]);
  for (int run = 1; run <= runs; ++run) {
    for (Subject& subject : subjects) {
      if (!MeasureOnce(subject, run, cpuSeconds, static_cast<double>(frequency.QuadPart))) return 1;
    }
  }
  for (const Subject& subject : subjects) {
    std::wprintf(L"%ls: median of %zu runs: %.1f ms\n", subject.program.c_str(), subject.startups.size(),
                 Median(subject.startups));
  }
  std::fflush(stdout);
  return 0;
}
