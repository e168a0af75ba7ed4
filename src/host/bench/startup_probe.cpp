// Measures a GUI program under Wine from outside: the time from starting the
// process to its first idle message loop (its first paint is then done), and
// optionally the processor time it uses over a stretch of running.
//   startup_probe RUNS CPU_SECONDS PROGRAM [ARGUMENTS]
// Prints one line per run and the median; ends each child it started itself.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "unique_handle.h"

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId) search.found.push_back(window);
  return TRUE;
}

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

// Asks the child to end the way a user would (a key for the saver, WM_CLOSE for
// a plain window), and ends it by its handle if it does not.
void EndChild(const PROCESS_INFORMATION& child) {
  WindowSearch search{child.dwProcessId, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.found) {
    PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(child.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, 5000);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fwprintf(stderr, L"usage: startup_probe RUNS CPU_SECONDS PROGRAM [ARGUMENTS]\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const int cpuSeconds = _wtoi(argv[2]);
  // A Unix path (as CTest passes it) lies on Wine's drive Z:.
  const std::wstring program = (argv[3][0] == L'/' ? L"Z:" : L"") + std::wstring(argv[3]);
  std::wstring commandLine = L"\"" + program + L"\"";
  for (int i = 4; i < argc; ++i) commandLine += L" " + std::wstring(argv[i]);

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> startups;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    std::wstring line = commandLine;
    LARGE_INTEGER start, idle;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
      std::fwprintf(stderr, L"cannot start %ls: %lu\n", argv[3], GetLastError());
      return 1;
    }
    const UniqueHandle process{child.hProcess}, thread{child.hThread};
    const DWORD waited = WaitForInputIdle(child.hProcess, 30000);
    QueryPerformanceCounter(&idle);
    if (waited != 0) {
      std::fwprintf(stderr, L"run %d: no idle message loop within 30 s\n", run + 1);
      EndChild(child);
      return 1;
    }
    const double ms = 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    startups.push_back(ms);
    std::wprintf(L"run %d: first paint done after %.1f ms\n", run + 1, ms);
    if (cpuSeconds > 0) {
      FILETIME created, exited, kernel0, user0, kernel1, user1;
      GetProcessTimes(child.hProcess, &created, &exited, &kernel0, &user0);
      Sleep(static_cast<DWORD>(cpuSeconds) * 1000);
      GetProcessTimes(child.hProcess, &created, &exited, &kernel1, &user1);
      std::wprintf(L"run %d: CPU over %d s: %.3f s user, %.3f s kernel\n", run + 1, cpuSeconds,
                   Seconds(user1) - Seconds(user0), Seconds(kernel1) - Seconds(kernel0));
    }
    EndChild(child);
  }
  std::sort(startups.begin(), startups.end());
  const std::size_t n = startups.size();
  const double median = n % 2 ? startups[n / 2] : (startups[n / 2 - 1] + startups[n / 2]) / 2;
  std::wprintf(L"median of %zu runs: %.1f ms\n", n, median);
  std::fflush(stdout);
  return 0;
}
