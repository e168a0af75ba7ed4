// What the settings dialog's end-to-end suite is started with, and the steps
// its test files share: the fixture that opens the dialog and the close.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialog_driver.h"

// From the command line: dialog_e2e PROGRAM ARGUMENTS ru|en LINK_RECORDER.
extern std::wstring Program;
extern std::wstring Arguments;
extern std::wstring LinkRecorder;
extern bool RussianSystem;

// Each test starts and ends without the settings key.
class DialogTest : public testing::Test {
protected:
  void SetUp() override { RemoveSettingsKey(); }
  void TearDown() override { RemoveSettingsKey(); }

  // Starts the program and waits for its dialog.
  std::unique_ptr<DialogRun> Open(const std::wstring& program = Program,
                                  const std::wstring& arguments = Arguments);
};

// Expects the dialog's process, closed by the test, to end within ExitWaitMs
// with exit code 0.
void WaitForCleanExit(DialogRun& run);
// Closes the dialog with the system menu's Close and expects the process to end.
void CloseAndWait(DialogRun& run);
