// A program started as a child process and never left behind: the owner ends
// it, by its own handle, when it is still running at the end.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

class ChildProcess {
 public:
  ChildProcess() = default;
  // Starts `program` with `arguments` (quoted program path first), in `folder`
  // or the caller's current folder when it is empty; false when it cannot start.
  bool Start(const std::wstring& program, const std::wstring& arguments,
             const std::wstring& folder = {});
  ~ChildProcess();
  ChildProcess(ChildProcess&&) = default;
  ChildProcess& operator=(ChildProcess&&) = default;

  bool Started() const { return static_cast<bool>(process_); }
  bool Running() const;
  // True when the process ended within `ms`.
  bool WaitForExit(DWORD ms) const;
  DWORD ExitCode() const;  // STILL_ACTIVE while it runs
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};
