// Prints, one per line in UTF-8, the texts of the visible top-level window
// titled TITLE and of its child windows (a message box's message, a page's
// labels), once such a window exists; used where xdotool sees only titles.
//   window_texts TITLE [SECONDS]   exit code 1 when no such window appears
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "test_text.h"
#include "window_search.h"

namespace {

// Captions may carry a trailing blank that the X window's name does not.
std::wstring Trimmed(std::wstring text) {
  while (!text.empty() && text.back() == L' ') text.pop_back();
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fwprintf(stderr, L"usage: window_texts TITLE [SECONDS]\n");
    return 2;
  }
  const int tenths = (argc > 2 ? _wtoi(argv[2]) : 20) * 10;
  const std::wstring title = Trimmed(argv[1]);
  const auto titled = [&](HWND window) { return IsWindowVisible(window) && Trimmed(TextOf(window)) == title; };
  HWND found = nullptr;
  for (int i = 0; i < tenths && !(found = FindWindowWhere(titled)); ++i) Sleep(100);
  if (!found) return 1;
  std::printf("%s\n", Narrow(TextOf(found)).c_str());
  for (HWND child : FindWindows([](HWND window) { return IsWindowVisible(window); }, found)) {
    const std::wstring text = TextOf(child);
    if (!text.empty()) std::printf("%s\n", Narrow(text).c_str());
  }
  std::fflush(stdout);
  return 0;
}
