// End-to-end tests of the settings dialog: the real program is started, its
// dialog found and worked like a user would, and the registry checked after.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "dialog_suite.h"
#include "quellora_version.h"
#include "test_text.h"

namespace {

// The birth text of 15 March 1985, 09:05:SS in the system's regional formats
// (Russian: dd.MM.yyyy, 24 hours; U.S.: M/d/yyyy, 12 hours), with or without
// the leading hour zero as the locale asks.
std::wstring BirthText(const wchar_t* seconds) {
  wchar_t leadingZero[4] = {};
  GetLocaleInfoW(GetThreadLocale(), LOCALE_ITLZERO, leadingZero, 4);
  const std::wstring time = (leadingZero[0] == L'1' ? L"09:05:" : L"9:05:") + std::wstring(seconds);
  return RussianSystem ? L"15.03.1985 " + time : L"3/15/1985 " + time + L" AM";
}

SYSTEMTIME Date(WORD year, WORD month, WORD day) {
  SYSTEMTIME value{};
  value.wYear = year;
  value.wMonth = month;
  value.wDay = day;
  return value;
}

SYSTEMTIME Time(WORD hour, WORD minute) {
  SYSTEMTIME value = Date(1899, 12, 30);
  value.wHour = hour;
  value.wMinute = minute;
  return value;
}

// Every text the dialog shows, by control (0 for the title).
std::map<int, std::wstring> AllTexts(const DialogRun& run) {
  std::map<int, std::wstring> texts{{0, TextOf(run.Dialog())}};
  for (int id :
       {IdBitBtnOk, IdCheckBoxEnglish, IdCheckBoxStar, IdLabelUser, IdLabelDate, IdLabelTime, IdGroupBoxAbout,
        IdLabelCopyright, IdLabelCreator, IdLabelProgrammer, IdLabelWare, IdLabelVersion, IdLabel9, IdLabelSite})
    texts[id] = TextOf(run.Item(id));
  return texts;
}

void PressOkAndWait(DialogRun& run) {
  PostMessageW(run.Item(IdBitBtnOk), BM_CLICK, 0, 0);
  WaitForCleanExit(run);
}

std::optional<std::wstring> ReadRecorderCommandLine() {
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\QuelloraLinkTest", L"CommandLine", RRF_RT_REG_SZ, nullptr,
                   buffer, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(buffer);
}

void ReplaceText(HWND edit, const std::wstring& text) {
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Type(edit, L"\b");
  Type(edit, text);
}

TEST_F(DialogTest, FirstRunShowsTheDefaults) {
  ASSERT_FALSE(SettingsKeyExists());
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  EXPECT_EQ(TextOf(run->Item(IdEditUser)), RussianSystem ? L"(указать в настройках)" : L"(specify in settings)");
  EXPECT_EQ(TextOf(run->Item(IdDateTimePickerDate)), L"01.01.2000");
  EXPECT_EQ(TextOf(run->Item(IdDateTimePickerTime)), L"00:00");
  EXPECT_TRUE(IsChecked(run->Item(IdCheckBoxStar)));
  EXPECT_EQ(IsChecked(run->Item(IdCheckBoxEnglish)), !RussianSystem);
  EXPECT_EQ(TextOf(run->Dialog()), RussianSystem ? L"Настройки" : L"Settings");
  EXPECT_EQ(TextOf(run->Item(IdCheckBoxEnglish)), L"English");
  CloseAndWait(*run);
  EXPECT_TRUE(SettingsKeyExists());  // made by the load, left empty by the close
  const StoredValues stored = ReadStoredValues();
  EXPECT_FALSE(stored.English || stored.Star || stored.User || stored.Birth);
}

TEST_F(DialogTest, EnglishBoxSwitchesExactlyTheTenTextsBothWays) {
  StoreDword(L"English", 0);
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  const std::map<int, std::wstring> russian = AllTexts(*run);
  Click(run->Item(IdCheckBoxEnglish));
  const std::map<int, std::wstring> english = AllTexts(*run);

  const std::map<int, std::array<std::wstring, 2>> switched = {
      {0, {L"Настройки", L"Settings"}},
      {IdCheckBoxStar, {L"Звезды", L"Star"}},
      {IdLabelUser, {L"Пользователь", L"User"}},
      {IdLabelDate, {L"День рождения", L"Day of birth"}},
      {IdLabelTime, {L"Время рождения", L"Time of birth"}},
      {IdGroupBoxAbout, {L"О программе", L"About"}},
      {IdLabelCopyright, {}},
      {IdLabelCreator, {}},
      {IdLabelProgrammer, {}},
      {IdLabelWare, {L"Программа FreeWare", L"FreeWare program"}},
  };
  for (const auto& [id, text] : russian) {
    SCOPED_TRACE(id);
    const auto entry = switched.find(id);
    if (entry == switched.end()) {
      EXPECT_EQ(english.at(id), text);
      continue;
    }
    EXPECT_NE(english.at(id), text);
    EXPECT_FALSE(english.at(id).empty());
    if (!entry->second[0].empty()) {
      EXPECT_EQ(text, entry->second[0]);
      EXPECT_EQ(english.at(id), entry->second[1]);
    }
  }
  EXPECT_EQ(english.at(IdCheckBoxEnglish), L"English");
  EXPECT_EQ(english.at(IdBitBtnOk), L"OK");
  EXPECT_EQ(english.at(IdLabelVersion), L"" QUELLORA_VERSION);

  Click(run->Item(IdCheckBoxEnglish));
  EXPECT_EQ(AllTexts(*run), russian);

  // The star box re-applies the texts of the language shown: nothing changes.
  const bool star = IsChecked(run->Item(IdCheckBoxStar));
  Click(run->Item(IdCheckBoxStar));
  EXPECT_NE(IsChecked(run->Item(IdCheckBoxStar)), star);
  EXPECT_EQ(AllTexts(*run), russian);
  Click(run->Item(IdCheckBoxEnglish));
  Click(run->Item(IdCheckBoxStar));
  EXPECT_EQ(AllTexts(*run), english);
  CloseAndWait(*run);
}

TEST_F(DialogTest, OkWritesTheFourValuesAndTheNextRunShowsThem) {
  {
    auto run = Open();
    ASSERT_TRUE(run->Dialog());
    ReplaceText(run->Item(IdEditUser), L"Анна Smith");
    ASSERT_TRUE(run->SetPicker(IdDateTimePickerDate, Date(1985, 3, 15)));
    ASSERT_TRUE(run->SetPicker(IdDateTimePickerTime, Time(9, 5)));
    EXPECT_EQ(TextOf(run->Item(IdDateTimePickerDate)), L"15.03.1985");
    EXPECT_EQ(TextOf(run->Item(IdDateTimePickerTime)), L"09:05");
    Click(run->Item(IdCheckBoxStar));
    Click(run->Item(IdCheckBoxEnglish));  // the other language than the system's
    // Enter presses the default button, wherever the focus is.
    PostKey(run->Item(IdEditUser), VK_RETURN);
    ASSERT_NO_FATAL_FAILURE(WaitForCleanExit(*run));
  }
  const StoredValues stored = ReadStoredValues();
  EXPECT_EQ(stored.English, RussianSystem ? 1u : 0u);
  EXPECT_EQ(stored.Star, 0u);
  EXPECT_EQ(stored.User, L"Анна Smith");
  EXPECT_EQ(stored.Birth, BirthText(L"00"));

  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  EXPECT_EQ(TextOf(run->Item(IdEditUser)), L"Анна Smith");
  EXPECT_EQ(TextOf(run->Item(IdDateTimePickerDate)), L"15.03.1985");
  EXPECT_EQ(TextOf(run->Item(IdDateTimePickerTime)), L"09:05");
  EXPECT_FALSE(IsChecked(run->Item(IdCheckBoxStar)));
  EXPECT_EQ(IsChecked(run->Item(IdCheckBoxEnglish)), RussianSystem);
  EXPECT_EQ(TextOf(run->Dialog()), RussianSystem ? L"Settings" : L"Настройки");
  CloseAndWait(*run);
}

TEST_F(DialogTest, OkWithoutChangesWritesAllFourAgain) {
  // Stored in forms the save never writes but the load accepts, so a rewrite shows.
  StoreDword(L"English", 7);
  StoreDword(L"Star", 5);
  StoreText(L"User", L"Kept");
  StoreText(L"Birth", RussianSystem ? L"15.03.1985 09:05:30" : L"03/15/1985 9:05:30 am");
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  EXPECT_EQ(TextOf(run->Item(IdDateTimePickerTime)), L"09:05");
  PressOkAndWait(*run);
  const StoredValues stored = ReadStoredValues();
  EXPECT_EQ(stored.English, 1u);
  EXPECT_EQ(stored.Star, 1u);
  EXPECT_EQ(stored.User, L"Kept");
  EXPECT_EQ(stored.Birth, BirthText(L"30"));  // the seconds the picker does not show are kept
}

// Wine's date picker cannot show a day before 14 September 1752 and shows
// today instead: OK keeps the stored date unless the user picks another,
// also when only the time is changed.
TEST_F(DialogTest, OkKeepsABirthDateThePickerCannotShow) {
  const std::wstring early = RussianSystem ? L"02.01.1700 12:30:00" : L"1/2/1700 12:30:00 PM";
  StoreText(L"Birth", early);
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  PressOkAndWait(*run);
  EXPECT_EQ(ReadStoredValues().Birth, early);

  run = Open();
  ASSERT_TRUE(run->Dialog());
  ASSERT_TRUE(run->SetPicker(IdDateTimePickerTime, Time(9, 5)));
  PressOkAndWait(*run);
  EXPECT_EQ(ReadStoredValues().Birth, RussianSystem ? L"02.01.1700 09:05:00" : L"1/2/1700 9:05:00 AM");
}

// The three ways of closing other than OK: none of them writes anything.
TEST_F(DialogTest, ClosingWithoutOkWritesNothing) {
  enum Way { CloseButton, AltF4, SystemMenuClose };
  for (Way way : {CloseButton, AltF4, SystemMenuClose}) {
    SCOPED_TRACE(way);
    RemoveSettingsKey();
    StoreDword(L"English", 1);
    StoreText(L"User", L"Before");
    auto run = Open();
    ASSERT_TRUE(run->Dialog());
    ReplaceText(run->Item(IdEditUser), L"After");
    Click(run->Item(IdCheckBoxEnglish));
    Click(run->Item(IdCheckBoxStar));
    ASSERT_TRUE(run->SetPicker(IdDateTimePickerDate, Date(1990, 7, 1)));
    // Esc does nothing.
    PostKey(run->Item(IdEditUser), VK_ESCAPE);
    Settle(run->Dialog());
    ASSERT_TRUE(run->Running());
    ASSERT_TRUE(IsWindowVisible(run->Dialog()));
    switch (way) {
      case CloseButton: {
        const std::optional<POINT> button = CloseButtonPoint(run->Dialog());
        ASSERT_TRUE(button) << "no close button on the caption bar";
        MouseClickAt(*button);
        break;
      }
      case AltF4: PostKey(run->Item(IdEditUser), VK_F4, true); break;
      case SystemMenuClose: PostMessageW(run->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    ASSERT_NO_FATAL_FAILURE(WaitForCleanExit(*run));
    const StoredValues stored = ReadStoredValues();
    EXPECT_EQ(stored.English, 1u);
    EXPECT_EQ(stored.User, L"Before");
    EXPECT_FALSE(stored.Star || stored.Birth);
  }
}

TEST_F(DialogTest, LongStoredNameShowsWholeAndTypingStopsAtFifty) {
  const std::wstring sixty(60, L'n');
  StoreText(L"User", sixty);
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  HWND edit = run->Item(IdEditUser);
  EXPECT_EQ(TextOf(edit), sixty);
  SendMessageW(edit, EM_SETSEL, 60, 60);
  Type(edit, L"x");
  EXPECT_EQ(TextOf(edit), sixty);  // over the limit: nothing more can be typed
  Type(edit, L"\b");
  EXPECT_EQ(TextOf(edit), std::wstring(59, L'n'));  // but it can be shortened
  std::wstring typed;
  for (int i = 0; i < 60; ++i) typed += static_cast<wchar_t>(L'a' + i % 26);
  ReplaceText(edit, typed);
  EXPECT_EQ(TextOf(edit), typed.substr(0, 50));
  PressOkAndWait(*run);
  EXPECT_EQ(ReadStoredValues().User, typed.substr(0, 50));
}

TEST_F(DialogTest, UnwritableKeyReportsEnglishAndKeepsTheDialogOpen) {
  // A copy under another name shows how the error box's title is made.
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring copy = std::wstring(folder) + L"QuelloraCheck.Dialog.SCR";
  ASSERT_TRUE(CopyFileW(Program.c_str(), copy.c_str(), FALSE));
  DrawOwnFrames(copy);
  MakeSettingsKeyReadOnly();
  {
    auto run = Open(copy);
    ASSERT_TRUE(run->Dialog());
    ReplaceText(run->Item(IdEditUser), L"Entered");
    for (int attempt = 0; attempt < 2; ++attempt) {  // OK runs the whole save again
      SCOPED_TRACE(attempt);
      PostMessageW(run->Item(IdBitBtnOk), BM_CLICK, 0, 0);
      HWND box = run->WaitForWindowTitled(L"Quelloracheck", run->Dialog());
      ASSERT_TRUE(box) << "no error box";
      EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"Failed to set data for 'English'");
      EXPECT_EQ(GetWindow(box, GW_OWNER), run->Dialog());
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(50);
      ASSERT_FALSE(IsWindow(box));
      Settle(run->Dialog());
      EXPECT_TRUE(run->Running());
      EXPECT_TRUE(IsWindowVisible(run->Dialog()));
      EXPECT_EQ(TextOf(run->Item(IdEditUser)), L"Entered");
    }
    CloseAndWait(*run);
  }
  DeleteFileW(copy.c_str());
  const StoredValues stored = ReadStoredValues();
  EXPECT_FALSE(stored.English || stored.Star || stored.User || stored.Birth);
}

// The shell's handler of http addresses replaced by a command for the length of
// a test, and put back afterwards.
class HttpHandler {
public:
  explicit HttpHandler(const std::wstring& command) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CLASSES_ROOT, Key, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) == ERROR_SUCCESS)
      previous_ = buffer;
    set_ = Set(command);
  }
  ~HttpHandler() {
    if (previous_) Set(*previous_);
  }
  HttpHandler(const HttpHandler&) = delete;
  HttpHandler& operator=(const HttpHandler&) = delete;
  bool IsSet() const { return set_; }

private:
  static constexpr wchar_t Key[] = L"http\\shell\\open\\command";
  static bool Set(const std::wstring& command) {
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, Key, nullptr, REG_SZ, command.c_str(),
                           static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  std::optional<std::wstring> previous_;
  bool set_ = false;
};

// The link opens the page through the shell's handler of http addresses, here a
// recorder in place of a browser: the English pages while the English box is
// checked, whatever was stored. The dialog stays open.
TEST_F(DialogTest, LinkOpensTheSiteInTheLanguageShown) {
  const HttpHandler handler(L"\"" + LinkRecorder + L"\" \"%1\"");
  ASSERT_TRUE(handler.IsSet());
  StoreDword(L"English", 0);
  auto run = Open();
  ASSERT_TRUE(run->Dialog());
  for (bool english : {false, true, false}) {
    SCOPED_TRACE(english);
    if (IsChecked(run->Item(IdCheckBoxEnglish)) != english) Click(run->Item(IdCheckBoxEnglish));
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\QuelloraLinkTest");
    HWND site = run->Item(IdLabelSite);
    RECT place{};
    GetWindowRect(site, &place);
    const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    Sleep(GetDoubleClickTime() + 100);  // a separate click each time, not a double click
    MouseClickAt(middle);
    std::optional<std::wstring> recorded;
    for (int i = 0; i < 200 && !recorded; ++i, Sleep(50)) recorded = ReadRecorderCommandLine();
    ASSERT_TRUE(recorded) << "no page was opened";
    const std::wstring page = english ? L"http://www.example.org/quellora/english/index.html"
                                      : L"http://www.example.org/quellora/index.html";
    EXPECT_NE(recorded->find(L"\"" + page + L"\""), std::wstring::npos) << Narrow(*recorded);
    EXPECT_TRUE(run->Running());
    EXPECT_TRUE(IsWindowVisible(run->Dialog()));
  }
  RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\QuelloraLinkTest");
  CloseAndWait(*run);
  EXPECT_FALSE(ReadStoredValues().Birth);
}

// Tab order and frame (the places at each scale: dialog_layout_e2e_tests.cpp).
// A window handle after the letter is not used: /c:1234 opens the same dialog.
TEST_F(DialogTest, TabOrderAndFrame) {
  auto run = Open(Program, L"/c:1234");
  HWND dialog = run->Dialog();
  ASSERT_TRUE(dialog);

  // The focus starts on the English box; Tab walks English, name, date, time,
  // OK, star, and round again.
  const int order[] = {IdCheckBoxEnglish, IdEditUser,     IdDateTimePickerDate, IdDateTimePickerTime,
                       IdBitBtnOk,        IdCheckBoxStar, IdCheckBoxEnglish};
  for (std::size_t i = 0; i < std::size(order); ++i) {
    SCOPED_TRACE(i);
    if (i > 0) {
      PostKey(run->FocusedControl(), VK_TAB);
      Settle(dialog);
    }
    EXPECT_EQ(GetDlgCtrlID(run->FocusedControl()), order[i]);
  }

  // A fixed frame with a close button, no minimize or maximize box, no owner,
  // centred on the screen.
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
  RECT frame{};
  GetWindowRect(dialog, &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2.0, GetSystemMetrics(SM_CXSCREEN) / 2.0, 1.0);
  EXPECT_NEAR((frame.top + frame.bottom) / 2.0, GetSystemMetrics(SM_CYSCREEN) / 2.0, 1.0);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IdBitBtnOk, DC_HASDEFID));
  EXPECT_EQ(SendMessageW(run->Item(IdEditUser), EM_GETLIMITTEXT, 0, 0), 50);
  CloseAndWait(*run);
}

}  // namespace
