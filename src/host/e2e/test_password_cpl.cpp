// A stand-in for the system's screen-saver password check: it records the
// window it was given and the cursor's display count, and accepts only when
// QUELLORA_TEST_PASSWORD is "accept".
#include <windows.h>

#include "test_record.h"

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
  // Lowering and raising the count again reads it without changing it.
  const int cursorCount = ShowCursor(FALSE) + 1;
  ShowCursor(TRUE);
  AppendToTestRecord("VerifyScreenSavePwd " + HandleText(window) + " " + std::to_string(cursorCount));
  wchar_t answer[16] = {};
  GetEnvironmentVariableW(L"QUELLORA_TEST_PASSWORD", answer, 16);
  return lstrcmpW(answer, L"accept") == 0;
}
