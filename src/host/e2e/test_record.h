// Lets the stand-in system components of the end-to-end tests note each call
// in the file that QUELLORA_TEST_RECORD names, and count the calls noted so far.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "unique_handle.h"

inline void AppendToTestRecord(const std::string& line) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QUELLORA_TEST_RECORD", path, MAX_PATH)) return;
  const HANDLE opened = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  const UniqueHandle file{opened};
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The lines of a record file; none when it does not exist yet.
inline std::vector<std::string> ReadTestRecord(const wchar_t* path) {
  std::vector<std::string> lines;
  const HANDLE opened = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return lines;
  const UniqueHandle file{opened};
  std::string text(1 << 16, '\0');
  DWORD read = 0;
  ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  text.resize(read);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// How many lines of this process's record so far begin with `prefix`.
inline std::size_t CountTestRecordLines(const std::string& prefix) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QUELLORA_TEST_RECORD", path, MAX_PATH)) return 0;
  std::size_t count = 0;
  for (const std::string& line : ReadTestRecord(path)) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

inline std::string HandleText(HWND window) {
  return std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
}
