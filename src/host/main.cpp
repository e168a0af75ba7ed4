// The saver's entry: load the settings, then run the one mode the first argument selects.
#include <windows.h>

#include "command_line_win.h"
#include "modes.h"
#include "settings.h"
#include "startup_marks.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MarkStartup(StartupStep::Main);
  LoadSettings();
  MarkStartup(StartupStep::Settings);
  switch (SelectMode(CommandLineArguments())) {
    case SaverMode::FullScreen: RunSaver(); break;
    case SaverMode::Preview: RunPreview(); break;
    case SaverMode::Settings: RunSettings(); break;
    case SaverMode::ChangePassword: ChangePassword(); break;
    case SaverMode::None: break;
  }
  return 0;
}
