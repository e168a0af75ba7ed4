// The settings dialog suite's entry: its arguments, its fixture and the close.
//   dialog_e2e PROGRAM ARGUMENTS LANGUAGE LINK_RECORDER
// LANGUAGE is ru or en, the system's; LINK_RECORDER stands in for the browser.
#include "dialog_suite.h"

#include <cstdio>

#include "test_text.h"
#include "wine_path.h"

std::wstring Program;
std::wstring Arguments;
std::wstring LinkRecorder;
bool RussianSystem = false;

std::unique_ptr<DialogRun> DialogTest::Open(const std::wstring& program, const std::wstring& arguments) {
  auto run = std::make_unique<DialogRun>(program, arguments);
  EXPECT_TRUE(run->Started()) << Narrow(program);
  EXPECT_TRUE(run->WaitForDialog()) << "no dialog within " << WindowWaitMs << " ms";
  return run;
}

void WaitForCleanExit(DialogRun& run) {
  DWORD code = 99;
  ASSERT_TRUE(run.WaitForExit(ExitWaitMs, &code));
  EXPECT_EQ(code, 0u);
}

void CloseAndWait(DialogRun& run) {
  PostMessageW(run.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
  WaitForCleanExit(run);
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 5) {
    fprintf(stderr, "usage: %s PROGRAM ARGUMENTS ru|en LINK_RECORDER\n", argv[0]);
    return 2;
  }
  // The dialog's pixels as they are, whatever the scale it is drawn at.
  MakeProcessDpiAware();
  LinkRecorder = WinePath(argv[4]);
  Program = WinePath(argv[1]);
  const std::string arguments = argv[2];
  Arguments.assign(arguments.begin(), arguments.end());
  RussianSystem = std::string(argv[3]) == "ru";
  DrawOwnFrames(Program);
  return RUN_ALL_TESTS();
}
