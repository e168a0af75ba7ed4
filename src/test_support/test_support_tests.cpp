// The shared test helpers against known answers: a helper that every suite
// trusts must fail here first.
#include <gtest/gtest.h>

#include <algorithm>

#include "median.h"
#include "test_text.h"

#ifdef _WIN32
#include "cursor_count.h"
#include "test_registry.h"
#include "test_window.h"
#include "unique_handle.h"
#include "window_search.h"
#include "wine_path.h"
#endif

namespace {

TEST(Narrow, WritesUtf8) {
  const struct {
    std::u16string_view text;
    std::string_view utf8;
  } cases[] = {
      {u"", ""},
      {u"1985-03-15T09:05:07|x", "1985-03-15T09:05:07|x"},
      {u"Звезды", "\xD0\x97\xD0\xB2\xD0\xB5\xD0\xB7\xD0\xB4\xD1\x8B"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(Narrow(c.text), c.utf8);
}

TEST(Median, TakesTheMiddleOrTheMeanOfTheMiddleTwo) {
  EXPECT_EQ(Median({}), 0);
  EXPECT_EQ(Median({7}), 7);
  EXPECT_EQ(Median({3, 1, 2}), 2);
  EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
}

#ifdef _WIN32
TEST(Narrow, TakesWin32WideText) { EXPECT_EQ(Narrow(std::wstring_view(L"\u00E9t\u00E9")), "\xC3\xA9t\xC3\xA9"); }

TEST(WinePath, PutsUnixPathsOnDriveZ) {
  const struct {
    std::string_view path;
    std::wstring_view wine;
  } cases[] = {
      {"/build/src/host/quellora.scr", L"Z:\\build\\src\\host\\quellora.scr"},
      {"/", L"Z:\\"},
      {"C:\\windows\\notepad.exe", L"C:\\windows\\notepad.exe"},
      {"relative/name", L"relative/name"},
      {"/tmp/\xD0\xB4", L"Z:\\tmp\\\u0434"},
  };
  for (const auto& c : cases) EXPECT_EQ(WinePath(c.path), c.wine) << c.path;
  // Wide paths, as a wmain receives them, follow the same rule.
  EXPECT_EQ(WinePath(std::wstring_view(L"/a/b")), L"Z:\\a\\b");
  EXPECT_EQ(WinePath(std::wstring_view(L"D:\\x")), L"D:\\x");
}

// The key's owner may always change its DACL (WRITE_DAC), so a locked key of an
// earlier run is opened up and removed first.
TEST(SetKeyAccess, LocksAKeyAgainstWritingAndOpensItAgain) {
  constexpr wchar_t path[] = L"Software\\QuelloraTests\\KeyAccess";
  const auto open = [&](REGSAM access) {
    UniqueRegKey key;
    RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, key.put());
    return key;
  };
  const auto unlock = [&] {
    const UniqueRegKey key = open(WRITE_DAC);
    return key && SetKeyAccess(key.get(), KEY_ALL_ACCESS);
  };
  unlock();
  RegDeleteKeyW(HKEY_CURRENT_USER, path);
  {
    UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_TRUE(SetKeyAccess(key.get(), KEY_READ));
  }
  EXPECT_FALSE(open(KEY_SET_VALUE)) << "written to a locked key";
  EXPECT_TRUE(open(KEY_READ));
  EXPECT_TRUE(unlock());
  EXPECT_TRUE(open(KEY_SET_VALUE));
  RegDeleteKeyW(HKEY_CURRENT_USER, path);
}

TEST(RawValue, BytesAreStoredLowByteFirst) {
  EXPECT_EQ(Dword(0x01020304), (std::vector<BYTE>{4, 3, 2, 1}));
  EXPECT_EQ(TextWithNul(u"A\u0416"), (std::vector<BYTE>{0x41, 0, 0x16, 0x04, 0, 0}));
  EXPECT_EQ(Bytes(u"Anna", 3), (std::vector<BYTE>{0x41, 0, 0x6E}));
  EXPECT_EQ(Bytes(u"A", 4), (std::vector<BYTE>{0x41, 0, 0, 0}));
}

TEST(WindowSearch, FindsTheTestsOwnWindowByWhatItSays) {
  const TestWindow first(L"Quellora search one");
  const TestWindow second(L"Quellora search two");
  const DWORD self = GetCurrentProcessId();
  const auto titled = [&](const wchar_t* title) {
    return [=](HWND w) { return ProcessOf(w) == self && TitleOf(w) == title; };
  };
  EXPECT_EQ(FindWindowWhere(titled(L"Quellora search two")), second.get());
  EXPECT_EQ(FindWindowWhere(titled(L"Quellora search three")), nullptr);
  const std::vector<HWND> ours = FindWindows([&](HWND w) { return ProcessOf(w) == self && IsWindowVisible(w); });
  EXPECT_EQ(std::count(ours.begin(), ours.end(), first.get()), 1);
  EXPECT_EQ(std::count(ours.begin(), ours.end(), second.get()), 1);
  EXPECT_EQ(ClassNameOf(first.get()), L"QuelloraTestWindow");
  EXPECT_EQ(TextOf(first.get()), L"Quellora search one");
}

UINT seenByTheTest = 0;
LRESULT CALLBACK NoteUserMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER) seenByTheTest = message;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(TestWindow, PopUpOfTheGivenSizeWithTheTestsOwnProcedure) {
  const TestWindow popUp(200, 100, NoteUserMessages);
  ASSERT_NE(popUp.get(), nullptr);
  RECT place{};
  GetWindowRect(popUp.get(), &place);
  EXPECT_EQ(place.left, 0);
  EXPECT_EQ(place.top, 0);
  EXPECT_EQ(place.right, 200);
  EXPECT_EQ(place.bottom, 100);
  EXPECT_FALSE(IsWindowVisible(popUp.get())) << "the test shows it when it is ready";
  EXPECT_TRUE(GetWindowLongPtrW(popUp.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageW(popUp.get(), WM_USER + 7, 0, 0);
  EXPECT_EQ(seenByTheTest, WM_USER + 7u);
  const TestWindow plain(L"Plain");
  SendMessageW(plain.get(), WM_USER + 8, 0, 0);
  EXPECT_EQ(seenByTheTest, WM_USER + 7u) << "the plain window's messages do not reach it";
}

TEST(CursorCount, ReadsTheCountWithoutChangingIt) {
  const int before = CursorCount();
  EXPECT_EQ(CursorCount(), before);
  ShowCursor(FALSE);
  EXPECT_EQ(CursorCount(), before - 1);
  ShowCursor(FALSE);
  EXPECT_EQ(CursorCount(), before - 2);
  ShowCursor(TRUE);
  ShowCursor(TRUE);
  EXPECT_EQ(CursorCount(), before);
}
#endif

}  // namespace
