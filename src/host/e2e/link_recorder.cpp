// Stands in for the web browser in the link test: records the command line it
// was started with in the registry, where the test reads it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const wchar_t* commandLine = GetCommandLineW();
  RegSetKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\QuelloraLinkTest", L"CommandLine", REG_SZ, commandLine,
                  static_cast<DWORD>((lstrlenW(commandLine) + 1) * sizeof(wchar_t)));
  return 0;
}
