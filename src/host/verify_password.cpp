// The system's screen-saver password check, asked only when the user's desktop
// settings require one and the system component is there.
#include <windows.h>

#include <array>
#include <cstring>

#include "host_state.h"
#include "saver_window.h"
#include "unique_handle.h"
#include "verify_password.h"

std::optional<std::int32_t> ReadFourByteValue(HKEY key, const wchar_t* name) {
  // Zeroed first: a value shorter than four bytes fills only its own bytes.
  std::array<BYTE, 4> buffer{};
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(buffer.size());
  if (RegQueryValueExW(key, name, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = buffer.size(); i-- > 0;) value = (value << 8) | buffer[i];
  return static_cast<std::int32_t>(value);
}

bool VerifyPassword() {
  UniqueRegKey desktop;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, desktop.put()) != ERROR_SUCCESS)
    return true;
  const auto usePassword = ReadFourByteValue(desktop.get(), L"ScreenSaveUsePassword");
  if (!usePassword || *usePassword <= 0) return true;

  UniqueModule passwordCpl{LoadLibraryW(L"PASSWORD.CPL")};
  if (!passwordCpl) return true;
  using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);
  const auto verify = GetEntry<VerifyScreenSavePwdFunction>(passwordCpl.get(), "VerifyScreenSavePwd");
  bool result = true;
  // The prompt needs a pointer; the saver keeps it hidden otherwise.
  ShowCursor(TRUE);
  if (verify) result = verify(SaverWindow) != 0;
  ShowCursor(FALSE);
  MouseEventsLeft = MouseTolerance;
  return result;
}
