// Lets the stand-in system components of the end-to-end tests note each call
// in the file that QUELLORA_TEST_RECORD names.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

inline void AppendToTestRecord(const std::string& line) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QUELLORA_TEST_RECORD", path, MAX_PATH)) return;
  const HANDLE opened = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  const UniqueHandle file{opened};
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

inline std::string HandleText(HWND window) {
  return std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
}
