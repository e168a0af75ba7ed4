// Prints, one per line in UTF-8, the texts of the visible top-level window
// titled TITLE and of its child windows (a message box's message, a page's
// labels), once such a window exists; used where xdotool sees only titles.
//   window_texts TITLE [SECONDS]   exit code 1 when no such window appears
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

// A window's text, also of another process's static controls, which do not
// answer GetWindowTextW across processes.
std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  return text;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  if (IsWindowVisible(child)) {
    const std::wstring text = TextOf(child);
    if (!text.empty()) std::printf("%s\n", Utf8(text).c_str());
  }
  return TRUE;
}

struct Search {
  const wchar_t* title;
  HWND found;
};

// Captions may carry a trailing blank that the X window's name does not.
std::wstring Trimmed(std::wstring text) {
  while (!text.empty() && text.back() == L' ') text.pop_back();
  return text;
}

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && Trimmed(TextOf(window)) == Trimmed(search.title)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: window_texts TITLE [SECONDS]\n");
    return 2;
  }
  const int tenths = (argc > 2 ? _wtoi(argv[2]) : 20) * 10;
  Search search{argv[1], nullptr};
  for (int i = 0; i < tenths && !search.found; ++i) {
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(100);
  }
  if (!search.found) return 1;
  std::printf("%s\n", Utf8(TextOf(search.found)).c_str());
  EnumChildWindows(search.found, PrintChild, 0);
  std::fflush(stdout);
  return 0;
}
