// The searches run over EnumWindows and EnumChildWindows.
#include "window_search.h"

namespace {

struct Search {
  const WindowMatch& match;
  std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  // No exception may pass through the system's code: out of memory ends the search.
  try {
    if (search.match(window)) search.found.push_back(window);
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

// A name the system keeps for a window (its class, its caption), read into a
// buffer of 256 characters: longer ones are cut.
std::wstring KeptName(HWND window, int(WINAPI* read)(HWND, LPWSTR, int)) {
  wchar_t name[256] = {};
  read(window, name, 256);
  return name;
}

}  // namespace

std::vector<HWND> FindWindows(const WindowMatch& match, HWND parent) {
  Search search{match, {}};
  if (parent)
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&search));
  else
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindWindowWhere(const WindowMatch& match, HWND parent) {
  const std::vector<HWND> found = FindWindows(match, parent);
  return found.empty() ? nullptr : found.front();
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::wstring ClassNameOf(HWND window) { return KeptName(window, GetClassNameW); }
std::wstring TitleOf(HWND window) { return KeptName(window, GetWindowTextW); }

std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return std::wstring(text, copied);
}
