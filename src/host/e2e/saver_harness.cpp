// The end-to-end harness: child processes, folders, records and settings for
// the tests that drive quellora.scr from outside.
#include "saver_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_record.h"
#include "wine_path.h"

namespace e2e {
namespace {

std::wstring Widen(const std::string& text) { return {text.begin(), text.end()}; }

struct FindTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE search) { FindClose(search); }
};

void DeleteFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const UniqueWin32<HANDLE, FindTraits> search{FindFirstFileW((folder + L"\\*").c_str(), &found)};
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteFolder(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search.get(), &found));
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring SaverProgram() { return WinePath(QUELLORA_SCR); }
std::wstring PasswordCplStandIn() { return WinePath(QUELLORA_TEST_PASSWORD_CPL); }
std::wstring MprStandIn() { return WinePath(QUELLORA_TEST_MPR); }
std::wstring PreviewParentProgram() { return WinePath(QUELLORA_PREVIEW_PARENT); }

void PumpFor(Milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

TestFolder::TestFolder(std::initializer_list<std::wstring> files) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  std::replace(name.begin(), name.end(), '/', '_');
  const std::wstring root = WinePath(QUELLORA_E2E_WORK);
  CreateDirectoryW(root.c_str(), nullptr);
  path_ = root + L"\\" + Widen(name);
  DeleteFolder(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
  Add(SaverProgram());
  for (const std::wstring& file : files) Add(file);
}

void TestFolder::Add(const std::wstring& file) const {
  const std::wstring name = file.substr(file.find_last_of(L'\\') + 1);
  EXPECT_TRUE(CopyFileW(file.c_str(), Path(name).c_str(), FALSE)) << "cannot copy " << name;
}

std::vector<std::string> TestFolder::Record() const { return ReadTestRecord(Path(L"record.txt").c_str()); }

ScopedEnvironment::ScopedEnvironment(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
  wchar_t old[1024];
  if (GetEnvironmentVariableW(name_.c_str(), old, 1024)) previous_ = old;
  SetEnvironmentVariableW(name_.c_str(), value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

ScopedPasswordSetting::ScopedPasswordSetting(const RawValue& value) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"ScreenSaveUsePassword");
  if (value.Type != REG_NONE) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"ScreenSaveUsePassword", value.Type,
                              value.Data.data(), static_cast<DWORD>(value.Data.size())),
              ERROR_SUCCESS);
  }
}

ScopedPasswordSetting::~ScopedPasswordSetting() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"ScreenSaveUsePassword");
}

SaverProcess::SaverProcess(const TestFolder& folder, const std::wstring& arguments) {
  ScopedEnvironment record(L"QUELLORA_TEST_RECORD", folder.Path(L"record.txt"));
  if (!child_.Start(folder.Path(L"quellora.scr"), arguments, folder.Folder()))
    ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
}

bool SaverProcess::WaitForExit(Milliseconds timeout) {
  return child_.Started() && PumpUntil([&] { return !Running(); }, timeout);
}

testing::AssertionResult SaverProcess::EndsWithCodeZero(Milliseconds timeout) {
  if (!WaitForExit(timeout))
    return testing::AssertionFailure() << "still running after " << timeout.count() << " ms";
  if (ExitCode() != 0) return testing::AssertionFailure() << "ended with exit code " << ExitCode();
  return testing::AssertionSuccess();
}

HWND WaitForWindowOf(DWORD processId, const wchar_t* className, Milliseconds timeout, HWND parent,
                     const std::function<bool()>& keepLooking) {
  const auto match = [&](HWND window) {
    return ProcessOf(window) == processId && ClassNameOf(window) == className && IsWindowVisible(window);
  };
  HWND found = nullptr;
  PumpUntil([&] { return (found = FindWindowWhere(match, parent)) != nullptr || !keepLooking(); }, timeout);
  return found;
}

HWND SaverProcess::WaitForWindow(Milliseconds timeout, HWND parent) {
  return WaitForWindowOf(Id(), L"QuelloraScreenSaverClass", timeout, parent, [this] { return Running(); });
}

bool RegistryKeyExists(HKEY root, const wchar_t* path) {
  UniqueRegKey key;
  return RegOpenKeyExW(root, path, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

}  // namespace e2e
