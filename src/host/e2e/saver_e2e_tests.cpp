// The real quellora.scr under Wine, driven from outside: its window, how input
// closes it, the password check, the preview child and the other modes.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>

#include "quellora_version.h"
#include "saver_harness.h"
#include "test_registry.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {

constexpr wchar_t SettingsKey[] = L"SOFTWARE\\Quellora";

// Long enough for the redraw thread's one-second poll and the process's exit.
constexpr auto CloseTime = 2500ms;
// How long a saver that should stay is watched.
constexpr auto StayTime = 1500ms;

// The names of the two cases of a test over a bool.
auto BoolNames(const char* whenTrue, const char* whenFalse) {
  return [=](const testing::TestParamInfo<bool>& info) { return std::string(info.param ? whenTrue : whenFalse); };
}

// Wine, like Windows, sends a mouse move of its own when the window under the
// pointer changes (the saver's window appears, a prompt goes away), and every
// move counts. A test that counts events therefore starts counting after a
// refused password check, which sets the count back to three where it shows.
void PostMouseEvent(HWND window, UINT message) {
  static int x = 10;
  x += 7;
  PostMessageW(window, message, 0, MAKELPARAM(x, 20));
}

// --- Full screen -----------------------------------------------------------

class FullScreenStart : public testing::TestWithParam<const wchar_t*> {};

TEST_P(FullScreenStart, ShowsATopmostPopupTheSizeOfTheDesktop) {
  RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
  TestFolder folder;
  SaverProcess saver(folder, GetParam());
  const HWND window = saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(ClassNameOf(window), L"QuelloraScreenSaverClass");
  // Created with the name "QuelloraSaver"; but a window's text is stored by
  // DefWindowProcW's WM_NCCREATE, which this window procedure answers itself.
  EXPECT_EQ(TitleOf(window), L"");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CHILD | WS_VISIBLE | WS_DISABLED), WS_POPUP | WS_VISIBLE);
  // The window is created visible and raised right after.
  EXPECT_TRUE(PumpUntil([&] { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 3s));
  RECT desktop{}, frame{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &frame);
  EXPECT_TRUE(EqualRect(&desktop, &frame))
      << frame.left << "," << frame.top << " " << frame.right << "x" << frame.bottom;
  // The settings were loaded, which creates their key.
  EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, SettingsKey));

  PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  ASSERT_TRUE(saver.EndsWithCodeZero(CloseTime));
}

INSTANTIATE_TEST_SUITE_P(Saver, FullScreenStart, testing::Values(L"", L"/s"),
                         [](const auto& info) { return *info.param ? "SlashS" : "NoArgument"; });

struct MouseCase {
  const char* name;
  UINT message;
};
std::ostream& operator<<(std::ostream& os, const MouseCase& c) { return os << c.name; }

// The saver run with the password check required, the stand-in answering in
// turn from `answers` (see test_password_cpl.cpp).
struct SaverWithCheck {
  explicit SaverWithCheck(const wchar_t* answers) : answer(L"QUELLORA_TEST_PASSWORD", answers) {}
  std::size_t Checks() const { return folder.Record().size(); }

  ScopedPasswordSetting required{{REG_DWORD, Dword(1)}};
  ScopedEnvironment answer;
  TestFolder folder{PasswordCplStandIn()};
  SaverProcess saver{folder, L"/s"};
};

// A key asks the check at once, whatever the mouse count; refused, the saver
// runs on with the count back at three, where the system's own moves no
// longer hide in it. The move of the window appearing under the pointer comes
// first, or it would count after the refusal.
void KeyAndRefusal(SaverWithCheck& run, HWND window, WORD key) {
  PumpFor(StayTime);
  PostMessageW(window, WM_KEYDOWN, key, 0);
  ASSERT_TRUE(PumpUntil([&] { return run.Checks() == 1; }, 3s));
  PumpFor(StayTime);
  ASSERT_TRUE(run.saver.Running()) << "the refused check let the saver go";
}

// The first two mouse events after a refusal: the saver runs on and asks nothing.
void TwoEventsTolerated(SaverWithCheck& run, HWND window, UINT message) {
  for (int event = 1; event <= 2; ++event) {
    PostMouseEvent(window, message);
    PumpFor(StayTime);
    ASSERT_TRUE(run.saver.Running()) << "closed after " << event << " mouse event(s)";
    EXPECT_EQ(run.Checks(), 1u) << event << " mouse event(s) asked for the check";
  }
}

class MouseTolerance : public testing::TestWithParam<MouseCase> {};

TEST_P(MouseTolerance, TheFirstEventIsToleratedTheThirdCloses) {
  // The check the third event asks for accepts.
  SaverWithCheck run(L"refuse,accept");
  const HWND window = run.saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);
  ASSERT_NO_FATAL_FAILURE(KeyAndRefusal(run, window, VK_SHIFT));
  ASSERT_NO_FATAL_FAILURE(TwoEventsTolerated(run, window, GetParam().message));

  PostMouseEvent(window, GetParam().message);
  const auto posted = std::chrono::steady_clock::now();
  ASSERT_TRUE(run.saver.WaitForExit(CloseTime)) << "the third mouse event did not close";
  const auto took = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - posted);
  EXPECT_LE(took.count(), 1500) << "the third event should close within the redraw thread's poll";
  EXPECT_EQ(run.saver.ExitCode(), 0u);
  EXPECT_EQ(run.Checks(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Saver, MouseTolerance,
                         testing::Values(MouseCase{"Move", WM_MOUSEMOVE}, MouseCase{"LeftButton", WM_LBUTTONDOWN},
                                         MouseCase{"RightButton", WM_RBUTTONDOWN},
                                         MouseCase{"MiddleButton", WM_MBUTTONDOWN}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Saver, IgnoresCloseSystemKeysAndOtherInputButAKeyCloses) {
  TestFolder folder;
  SaverProcess saver(folder, L"/s");
  const HWND window = saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);
  for (UINT message :
       {WM_CLOSE, WM_SYSKEYDOWN, WM_CHAR, WM_KEYUP, WM_LBUTTONUP, WM_MOUSEWHEEL, WM_LBUTTONDBLCLK, WM_SYSCOMMAND})
    PostMessageW(window, message, message == WM_SYSCOMMAND ? SC_CLOSE : 'A', 0);
  PumpFor(StayTime);
  ASSERT_TRUE(saver.Running());
  EXPECT_TRUE(IsWindowVisible(window));

  PostMessageW(window, WM_KEYDOWN, 'A', 0);
  ASSERT_TRUE(saver.EndsWithCodeZero(CloseTime));
}

TEST(Saver, GivesTheForegroundBackToTheWindowThatHadIt) {
  // The window that had the foreground lies under a topmost one, which the
  // system would activate next if the saver left the choice to it.
  TestWindow previous;
  TestWindow above(L"Topmost test window", WS_EX_TOPMOST);
  SetWindowPos(above.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetForegroundWindow(previous.get());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == previous.get(); }, 3s));

  TestFolder folder;
  SaverProcess saver(folder, L"/s");
  const HWND window = saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);
  PumpFor(500ms);
  PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  ASSERT_TRUE(saver.WaitForExit(CloseTime));
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == previous.get(); }, 2s));
}

// --- The password check ----------------------------------------------------

TEST(Password, RefusedCheckKeepsTheSaverAndNeedsThreeNewMouseEvents) {
  SaverWithCheck run(L"refuse");
  const HWND window = run.saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);

  // A key asks at once, whatever the mouse count, with the hidden cursor shown
  // for the prompt (display count 0), and with the saver window as the parent.
  ASSERT_NO_FATAL_FAILURE(KeyAndRefusal(run, window, VK_RETURN));
  EXPECT_EQ(run.folder.Record()[0],
            "VerifyScreenSavePwd " + std::to_string(reinterpret_cast<INT_PTR>(window)) + " 0");

  // The refusal set the tolerance back to three: two new events do not ask,
  // the third does; refused again, the saver stays.
  ASSERT_NO_FATAL_FAILURE(TwoEventsTolerated(run, window, WM_LBUTTONDOWN));
  PostMouseEvent(window, WM_MOUSEMOVE);
  ASSERT_TRUE(PumpUntil([&] { return run.Checks() == 2; }, 3s)) << "the third mouse event did not ask";
  PumpFor(StayTime);
  EXPECT_TRUE(run.saver.Running());
}

TEST(Password, AcceptedCheckClosesTheSaver) {
  SaverWithCheck run(L"accept");
  const HWND window = run.saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 3; ++i) PostMouseEvent(window, WM_MOUSEMOVE);
  ASSERT_TRUE(run.saver.EndsWithCodeZero(CloseTime));
  EXPECT_EQ(run.Checks(), 1u);
}

struct NoCheckCase {
  const char* name;
  RawValue setting;
  bool withPasswordCpl;
};
std::ostream& operator<<(std::ostream& os, const NoCheckCase& c) { return os << c.name; }

class PasswordNotAsked : public testing::TestWithParam<NoCheckCase> {};

TEST_P(PasswordNotAsked, KeyClosesWithoutAsking) {
  const NoCheckCase& c = GetParam();
  ScopedPasswordSetting setting(c.setting);
  ScopedEnvironment answer(L"QUELLORA_TEST_PASSWORD", L"refuse");
  TestFolder folder;
  if (c.withPasswordCpl) folder.Add(PasswordCplStandIn());
  SaverProcess saver(folder, L"/s");
  const HWND window = saver.WaitForWindow(10s);
  ASSERT_NE(window, nullptr);

  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(saver.EndsWithCodeZero(CloseTime));
  EXPECT_TRUE(folder.Record().empty());
}

INSTANTIATE_TEST_SUITE_P(Password, PasswordNotAsked,
                         testing::Values(NoCheckCase{"ValueZero", {REG_DWORD, Dword(0)}, true},
                                         NoCheckCase{"ValueMissing", {REG_NONE, {}}, true},
                                         NoCheckCase{"OneZeroByte", {REG_BINARY, {0}}, true},
                                         NoCheckCase{
                                             "LongerThanFourBytes", {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}}, true},
                                         NoCheckCase{"NoPasswordCpl", {REG_DWORD, Dword(1)}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Preview ---------------------------------------------------------------

class Preview : public testing::TestWithParam<bool> {};

TEST_P(Preview, IsADisabledChildThatIgnoresTheMouseAndEndsWithItsParent) {
  TestWindow parent;
  ASSERT_NE(parent.get(), nullptr);
  const auto value = static_cast<unsigned long>(reinterpret_cast<INT_PTR>(parent.get()));
  wchar_t handle[32];
  wsprintfW(handle, GetParam() ? L"0x%lX" : L"%lu", value);
  TestFolder folder;
  SaverProcess saver(folder, std::wstring(L"/p ") + handle);
  const HWND child = saver.WaitForWindow(10s, parent.get());
  ASSERT_NE(child, nullptr);

  EXPECT_EQ(GetParent(child), parent.get());
  EXPECT_EQ(TitleOf(child), L"");
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CHILD | WS_VISIBLE | WS_DISABLED), WS_CHILD | WS_VISIBLE | WS_DISABLED);
  EXPECT_FALSE(GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT parentFrame{}, childFrame{};
  GetWindowRect(parent.get(), &parentFrame);
  GetWindowRect(child, &childFrame);
  POINT clientOrigin{0, 0};
  ClientToScreen(parent.get(), &clientOrigin);
  EXPECT_EQ(childFrame.left, clientOrigin.x);
  EXPECT_EQ(childFrame.top, clientOrigin.y);
  EXPECT_EQ(childFrame.right - childFrame.left, parentFrame.right - parentFrame.left);
  EXPECT_EQ(childFrame.bottom - childFrame.top, parentFrame.bottom - parentFrame.top);

  for (int i = 0; i < 6; ++i) {
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
      PostMessageW(child, message, 0, MAKELPARAM(10 + i, 10));
  }
  PumpFor(StayTime);
  ASSERT_TRUE(saver.Running()) << "the preview reacted to the mouse";

  parent.Destroy();
  ASSERT_TRUE(saver.EndsWithCodeZero(5s));
}

INSTANTIATE_TEST_SUITE_P(Saver, Preview, testing::Bool(), BoolNames("HexHandle", "DecimalHandle"));

// The program holding the preview ends without destroying its window: killed,
// or leaving by itself. No WM_DESTROY then reaches the preview child.
class PreviewOfAnEndedProgram : public testing::TestWithParam<bool> {};

TEST_P(PreviewOfAnEndedProgram, EndsWithinTheRedrawThreadsPoll) {
  const bool killed = GetParam();
  ChildProcess holder;
  ASSERT_TRUE(holder.Start(PreviewParentProgram(), killed ? L"" : L"--abandon-after 3000"));
  const HWND parent = WaitForWindowOf(holder.Id(), L"QuelloraTestPreviewParent", 10s);
  ASSERT_NE(parent, nullptr);
  TestFolder folder;
  SaverProcess saver(folder, L"/p " + std::to_wstring(reinterpret_cast<INT_PTR>(parent)));
  ASSERT_NE(saver.WaitForWindow(10s, parent), nullptr);

  if (killed) TerminateProcess(holder.Handle(), 1);
  ASSERT_TRUE(holder.WaitForExit(10000));
  ASSERT_TRUE(saver.EndsWithCodeZero(3s)) << "the preview ran on without a window to draw in";
}

INSTANTIATE_TEST_SUITE_P(Saver, PreviewOfAnEndedProgram, testing::Bool(), BoolNames("Killed", "LeftByItself"));

// The desktop is no preview host, given as the parent or found as the
// foreground window when no parent is given: a child over the whole desktop
// would cover the screen for good. Such a preview ends at once.
class PreviewOfTheDesktop : public testing::TestWithParam<bool> {};

TEST_P(PreviewOfTheDesktop, EndsAtOnceWithExitCodeZero) {
  const HWND desktop = GetDesktopWindow();
  std::wstring arguments = L"/p";
  if (GetParam()) {
    SetForegroundWindow(desktop);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == desktop; }, 3s))
        << "the desktop did not become the foreground window";
  } else {
    arguments += L" " + std::to_wstring(reinterpret_cast<INT_PTR>(desktop));
  }
  TestFolder folder;
  SaverProcess saver(folder, arguments);
  // The desktop's children are its top-level windows: the search finds one there.
  EXPECT_EQ(saver.WaitForWindow(5s), nullptr) << "a preview window covers the desktop";
  ASSERT_TRUE(saver.EndsWithCodeZero(5s)) << "the desktop's preview ran on";
}

INSTANTIATE_TEST_SUITE_P(Saver, PreviewOfTheDesktop, testing::Bool(),
                         BoolNames("DesktopInTheForeground", "DesktopHandle"));

// --- The program file ------------------------------------------------------

TEST(Resources, CarryTheDisplayNameTheVersionAndAManifest) {
  const std::wstring program = SaverProgram();
  const UniqueModule module{LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  ASSERT_TRUE(module);
  wchar_t name[64] = {};
  EXPECT_EQ(LoadStringW(module.get(), 1, name, 64), 8);
  EXPECT_STREQ(name, L"Quellora");
  EXPECT_NE(FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr);

  DWORD unused = 0;
  std::vector<BYTE> version(GetFileVersionInfoSizeW(program.c_str(), &unused));
  ASSERT_FALSE(version.empty());
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(QUELLORA_VERSION_MINOR, QUELLORA_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(QUELLORA_VERSION_TWEAK, QUELLORA_VERSION_PATCH)));
}

TEST(Resources, TheProgramIsAGuiProgramForSubsystemVersionFourOrLater) {
  const UniqueModule module{LoadLibraryExW(SaverProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  ASSERT_TRUE(module);
  // A data-file module's handle points one byte past the start of its image.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<UINT_PTR>(module.get()) & ~UINT_PTR{3});
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  EXPECT_GE(nt->OptionalHeader.MajorSubsystemVersion, 4);
}

// --- The other modes -------------------------------------------------------

class EndsByItself : public testing::TestWithParam<const wchar_t*> {};

TEST_P(EndsByItself, WithExitCodeZeroAfterLoadingTheSettings) {
  RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
  TestFolder folder;
  SaverProcess saver(folder, GetParam());
  ASSERT_TRUE(saver.EndsWithCodeZero(10s));
  EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, SettingsKey));
}

// A preview parent that is no window (nothing in the test process has that
// handle) gets no child; the process must not wait for a quit message.
INSTANTIATE_TEST_SUITE_P(Saver, EndsByItself,
                         testing::Values(L"/x", L"s2", L"/p 0x7FFF0001", L"/p 2147418113", L"/p garbage",
                                         L"/p -0"),
                         [](const auto& info) {
                           std::string name;
                           for (const wchar_t* p = info.param; *p; ++p)
                             name += iswalnum(*p) ? static_cast<char>(*p) : '_';
                           return name;
                         });

struct ChangePasswordCase {
  const wchar_t* arguments;
  const char* recorded;
};
std::ostream& operator<<(std::ostream& os, const ChangePasswordCase& c) { return os << c.recorded; }

class ChangePassword : public testing::TestWithParam<ChangePasswordCase> {};

TEST_P(ChangePassword, HandsTheParsedParentToTheSystemDialog) {
  TestFolder folder;
  folder.Add(MprStandIn());
  SaverProcess saver(folder, GetParam().arguments);
  ASSERT_TRUE(saver.EndsWithCodeZero(10s));
  const auto record = folder.Record();
  ASSERT_EQ(record.size(), 1u) << "the stand-in MPR.DLL was not called";
  EXPECT_EQ(record[0], std::string("PwdChangePasswordA SCRSAVE ") + GetParam().recorded);
}

// Run with Wine told to prefer an MPR.DLL beside the program to its own (see
// run_with_local_mpr.sh); Wine takes that choice from the Unix environment only.
INSTANTIATE_TEST_SUITE_P(LocalMpr, ChangePassword,
                         testing::Values(ChangePasswordCase{L"/a 123", "123"}, ChangePasswordCase{L"/a -5", "-5"},
                                         ChangePasswordCase{L"-A 12x", "12"}, ChangePasswordCase{L"a +5", "0"},
                                         ChangePasswordCase{L"sa", "0"},
                                         ChangePasswordCase{L"/a 4294967295", "-1"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
