// The start-up watched as a debugger: every debug event stops the program
// until it is answered, so the time of each is taken as it arrives.
#include "startup_steps.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

#include "median.h"
#include "startup_marks.h"
#include "unique_handle.h"

namespace {

constexpr DWORD QuietLimitMs = 30000;
constexpr const char* ProcessMade = "process made";
constexpr const char* DllsLoaded = "DLLs loaded";

double MsSince(const LARGE_INTEGER& start, double frequency) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency;
}

std::wstring FileName(HANDLE file) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = file ? GetFinalPathNameByHandleW(file, path, MAX_PATH, 0) : 0;
  if (length == 0 || length >= MAX_PATH) return L"?";
  const std::wstring_view whole(path, length);
  const std::size_t slash = whole.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? whole : whole.substr(slash + 1));
}

// The text of an OUTPUT_DEBUG_STRING_EVENT, read from the program's memory.
std::string DebugText(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) {
  const std::size_t units = info.nDebugStringLength;
  if (units == 0 || units > 1024) return {};
  std::string text;
  if (info.fUnicode) {
    std::wstring wide(units, L'\0');
    if (!ReadProcessMemory(process, info.lpDebugStringData, wide.data(), units * sizeof(wchar_t), nullptr))
      return {};
    for (wchar_t c : wide) text += c < 0x80 ? static_cast<char>(c) : '?';
  } else {
    text.assign(units, '\0');
    if (!ReadProcessMemory(process, info.lpDebugStringData, text.data(), units, nullptr)) return {};
  }
  text.resize(std::min(text.find('\0'), text.size()));
  return text;
}

// What each step covers: the time from the step before to its end.
const std::map<std::string_view, const char*> StepMeaning = {
    {ProcessMade, "CreateProcess until the new process's first event"},
    {DllsLoaded, "the imported DLLs mapped (to the loader's breakpoint)"},
    {"main", "the DLLs started and the C runtime, to wWinMain"},
    {"settings", "the registry: settings read, regional formats"},
    {"saver window", "the saver window's class and window made"},
    {"monitors", "the monitors listed"},
    {"cover windows", "the cover windows made (none on one monitor)"},
    {"redraw thread", "the redraw thread started"},
    {"paint start", "to the first WM_PAINT: running state, the window shown"},
    {"layout", "BeginPaint, the inputs and the picture's fit (layout)"},
    {"first paint", "the picture drawn, to EndPaint"},
};

}  // namespace

bool WatchStart(ChildProcess& child, const std::wstring& program, const std::wstring& arguments,
                double counterFrequency, WatchedStart& start) {
  start = {};
  LARGE_INTEGER started;
  QueryPerformanceCounter(&started);
  if (!child.Start(program, arguments, {}, DEBUG_ONLY_THIS_PROCESS)) {
    std::fwprintf(stderr, L"cannot start %ls: %lu\n", program.c_str(), GetLastError());
    return false;
  }
  // The step now running: the one the next mark will end.
  std::string current = ProcessMade;
  bool loaderBreak = false, painted = false, ended = false;
  while (!painted && !ended) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, QuietLimitMs)) {
      std::fwprintf(stderr, L"%ls: no debug event for %lu ms after the step %hs\n", program.c_str(), QuietLimitMs,
                    current.c_str());
      break;
    }
    const double at = MsSince(started, counterFrequency);
    DWORD answer = DBG_CONTINUE;
    const auto mark = [&](const std::string& name, const std::string& next) {
      start.Steps.push_back({name, at});
      current = next;
    };
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT: {
        const UniqueHandle file{event.u.CreateProcessInfo.hFile};
        mark(ProcessMade, DllsLoaded);
        break;
      }
      case LOAD_DLL_DEBUG_EVENT: {
        const UniqueHandle file{event.u.LoadDll.hFile};
        start.Dlls.push_back({FileName(file.get()), current});
        break;
      }
      case EXCEPTION_DEBUG_EVENT: {
        const DWORD code = event.u.Exception.ExceptionRecord.ExceptionCode;
        if (code == EXCEPTION_BREAKPOINT && !loaderBreak) {
          loaderBreak = true;
          mark(DllsLoaded, std::string(StartupStepNames.front()));
        } else if (code != EXCEPTION_BREAKPOINT) {
          answer = DBG_EXCEPTION_NOT_HANDLED;  // the program's own to handle
        }
        break;
      }
      case OUTPUT_DEBUG_STRING_EVENT: {
        const std::string text = DebugText(child.Handle(), event.u.DebugString);
        if (text.rfind(StartupMarkPrefix, 0) != 0) break;
        const std::string name = text.substr(StartupMarkPrefix.size());
        const auto known = std::find(StartupStepNames.begin(), StartupStepNames.end(), name);
        const bool last = known == StartupStepNames.end() || known + 1 == StartupStepNames.end();
        mark(name, last ? std::string() : std::string(*(known + 1)));
        painted = name == StartupStepName(StartupStep::FirstPaint);
        break;
      }
      case EXIT_PROCESS_DEBUG_EVENT:
        std::fwprintf(stderr, L"%ls ended (exit code %lu) during the step %hs\n", program.c_str(),
                      event.u.ExitProcess.dwExitCode, current.c_str());
        ended = true;
        break;
      default: break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
  }
  // The program runs on without a debugger, to be ended as a user would.
  DebugSetProcessKillOnExit(FALSE);
  if (!ended) DebugActiveProcessStop(child.Id());
  return painted;
}

bool PrintSteps(const std::wstring& program, const std::vector<WatchedStart>& starts) {
  std::vector<std::string> order{ProcessMade, DllsLoaded};
  order.insert(order.end(), StartupStepNames.begin(), StartupStepNames.end());
  bool complete = !starts.empty();
  std::map<std::string, std::vector<double>> durations;
  std::vector<double> totals;
  for (const WatchedStart& start : starts) {
    std::vector<std::string> seen;
    double before = 0;
    for (const WatchedStart::Step& step : start.Steps) {
      // A step marked again (a second paint) counts once, the first time.
      if (std::find(seen.begin(), seen.end(), step.Name) != seen.end()) continue;
      seen.push_back(step.Name);
      durations[step.Name].push_back(step.At - before);
      before = step.At;
    }
    totals.push_back(before);
    if (seen != order) complete = false;
  }
  std::wprintf(
      L"%ls start-up steps, median of %zu runs watched as a debugger (ms; each step from the end "
      L"of the one before):\n",
      program.c_str(), starts.size());
  for (const std::string& name : order) {
    const auto times = durations.find(name);
    std::wstring dlls;
    if (!starts.empty()) {
      for (const WatchedStart::Dll& dll : starts.back().Dlls)
        if (dll.Step == name) dlls += L" " + dll.Name;
    }
    const auto meaning = StepMeaning.find(name);
    std::wprintf(L"  %-14hs %7.1f  %hs%ls%ls\n", name.c_str(),
                 times == durations.end() ? 0.0 : Median(times->second),
                 meaning == StepMeaning.end() ? "?" : meaning->second, dlls.empty() ? L"" : L"; DLLs loaded:",
                 dlls.c_str());
    if (times == durations.end() || times->second.size() != starts.size())
      std::wprintf(L"  step \"%hs\" missing from %zu of the runs\n", name.c_str(),
                   starts.size() - (times == durations.end() ? 0 : times->second.size()));
  }
  for (const auto& [name, times] : durations) {
    if (std::find(order.begin(), order.end(), name) == order.end())
      std::wprintf(L"  unknown step \"%hs\" in %zu runs\n", name.c_str(), times.size());
  }
  std::wprintf(L"  %-14hs %7.1f  from CreateProcess to the first paint's end\n", "total", Median(totals));
  std::fflush(stdout);
  return complete;
}
