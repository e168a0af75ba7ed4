// The searches run over EnumWindows and EnumChildWindows; the match runs
// inside the system's callback, so no exception may leave it.
#include "window_search.h"

namespace {

struct Search {
  const WindowMatch& match;
  bool firstOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  try {
    if (!search.match(window)) return TRUE;
    search.found.push_back(window);
  } catch (...) {
    return FALSE;
  }
  return search.firstOnly ? FALSE : TRUE;
}

std::vector<HWND> Run(const WindowMatch& match, HWND parent, bool firstOnly) {
  Search search{match, firstOnly, {}};
  if (parent) EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&search));
  else EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

std::vector<HWND> FindWindows(const WindowMatch& match, HWND parent) { return Run(match, parent, false); }

HWND FindWindowWhere(const WindowMatch& match, HWND parent) {
  const std::vector<HWND> found = Run(match, parent, true);
  return found.empty() ? nullptr : found.front();
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  return title;
}

std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                           &copied))
    return {};
  return std::wstring(text, copied);
}
