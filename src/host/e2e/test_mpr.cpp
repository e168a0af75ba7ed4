// A stand-in for the system's password-change entry: it records the provider
// name and the parent window it was given.
#include <windows.h>

#include "test_record.h"

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND parent, DWORD, LPVOID) {
  AppendToTestRecord(std::string("PwdChangePasswordA ") + (provider ? provider : "(null)") + " " +
                     HandleText(parent));
  return 0;
}
