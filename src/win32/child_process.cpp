// Starting, waiting for and ending one child process.
#include "child_process.h"

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                         DWORD creationFlags) {
  End();
  std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return false;
  process_ = UniqueHandle{info.hProcess};
  const UniqueHandle thread{info.hThread};
  id_ = info.dwProcessId;
  return true;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    End();
    process_ = std::move(other.process_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

void ChildProcess::End() {
  if (Running()) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
  process_.reset();
  id_ = 0;
}

bool ChildProcess::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitForExit(DWORD ms) const {
  return process_ && WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_.get(), &code);
  return code;
}
