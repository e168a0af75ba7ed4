// What the end-to-end tests need to drive the real quellora.scr under Wine: a
// folder per test, the saver as a child process with a time-out, its windows,
// the stand-ins' records, and the desktop's password setting.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "test_registry.h"
#include "test_window.h"
#include "unique_handle.h"
#include "window_search.h"

namespace e2e {

using Milliseconds = std::chrono::milliseconds;

// Build outputs, as Wine paths.
std::wstring SaverProgram();
std::wstring PasswordCplStandIn();
std::wstring MprStandIn();
std::wstring PreviewParentProgram();

// Runs this thread's messages (the test's own windows need them) until done()
// holds or the time runs out; returns done().
template <typename Condition>
bool PumpUntil(Condition done, Milliseconds timeout);
void PumpFor(Milliseconds duration);

// A fresh folder for one test, holding a copy of the saver and the stand-ins it asks for.
class TestFolder {
public:
  // Named after the running test; holds the saver and the given files.
  explicit TestFolder(std::initializer_list<std::wstring> files = {});
  void Add(const std::wstring& file) const;
  const std::wstring& Folder() const { return path_; }
  std::wstring Path(const std::wstring& name) const { return path_ + L"\\" + name; }
  // The lines the stand-ins wrote to the record file.
  std::vector<std::string> Record() const;

private:
  std::wstring path_;
};

// Sets an environment variable for the children started while it lives.
class ScopedEnvironment {
public:
  ScopedEnvironment(std::wstring name, const std::wstring& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  std::wstring name_;
  std::optional<std::wstring> previous_;
};

// "ScreenSaveUsePassword" under HKCU\Control Panel\Desktop, set for the test's
// duration (deleted when the type is REG_NONE) and deleted afterwards.
class ScopedPasswordSetting {
public:
  explicit ScopedPasswordSetting(const RawValue& value);
  ~ScopedPasswordSetting();
  ScopedPasswordSetting(const ScopedPasswordSetting&) = delete;
  ScopedPasswordSetting& operator=(const ScopedPasswordSetting&) = delete;
};

// The saver started from a test folder with the given arguments. The destructor
// ends the child if it is still running: only this child, by its own handle.
class SaverProcess {
public:
  SaverProcess(const TestFolder& folder, const std::wstring& arguments);

  bool WaitForExit(Milliseconds timeout);
  // Ended within `timeout` with exit code 0; a failure says which it missed.
  testing::AssertionResult EndsWithCodeZero(Milliseconds timeout);
  bool Running() const { return child_.Running(); }
  DWORD ExitCode() const { return child_.ExitCode(); }
  DWORD Id() const { return child_.Id(); }

  // The saver's top-level window, or its child of parent, once it exists and is visible.
  HWND WaitForWindow(Milliseconds timeout, HWND parent = nullptr);

private:
  ChildProcess child_;
};

// The visible window of class className that process processId has (a child
// of parent, when given), once it exists; null after the timeout or once
// keepLooking says no more.
HWND WaitForWindowOf(
    DWORD processId, const wchar_t* className, Milliseconds timeout, HWND parent = nullptr,
    const std::function<bool()>& keepLooking = [] { return true; });

bool RegistryKeyExists(HKEY root, const wchar_t* path);

template <typename Condition>
bool PumpUntil(Condition done, Milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= end) return false;
    const auto left = std::chrono::duration_cast<Milliseconds>(end - now).count();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left, 20)), QS_ALLINPUT);
  }
}

}  // namespace e2e
