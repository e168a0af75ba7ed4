// A program started as a child process and never left behind: the owner ends
// it, by its own handle, when it is still running at the end.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "unique_handle.h"

class ChildProcess {
public:
  ChildProcess() = default;
  // Starts `program` with `arguments` (quoted program path first), in `folder`
  // or the caller's current folder when it is empty, with the given process
  // creation flags; false when it cannot start. A child this owner still runs
  // is ended first.
  bool Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder = {},
             DWORD creationFlags = 0);
  ~ChildProcess() { End(); }
  ChildProcess(ChildProcess&& other) noexcept
      : process_(std::move(other.process_)), id_(std::exchange(other.id_, 0)) {}
  // Ends the child this owner runs before it takes the other's.
  ChildProcess& operator=(ChildProcess&& other) noexcept;

  bool Started() const { return static_cast<bool>(process_); }
  bool Running() const;
  // True when the process ended within `ms`.
  bool WaitForExit(DWORD ms) const;
  DWORD ExitCode() const;  // STILL_ACTIVE while it runs
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.get(); }

private:
  // Ends the child when it still runs, and lets go of it.
  void End();

  UniqueHandle process_;
  DWORD id_ = 0;
};
