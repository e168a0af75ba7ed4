// The password-change mode: hands the system's dialog the parent window from the command line.
#include <windows.h>

#include "command_line_win.h"
#include "modes.h"
#include "unique_handle.h"

void ChangePassword() {
  UniqueModule mpr{LoadLibraryW(L"MPR.DLL")};
  if (!mpr) return;
  using PwdChangePasswordAFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
  const auto change = GetEntry<PwdChangePasswordAFunction>(mpr.get(), "PwdChangePasswordA");
  if (!change) return;
  const Arguments& arguments = CommandLineArguments();
  const std::int32_t parent = ParseWindowHandle(arguments.size() >= 2 ? arguments[1] : u"");
  change("SCRSAVE", WindowFromInt32(parent), 0, nullptr);
}
