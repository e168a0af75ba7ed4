// The process's own arguments. The whole command line text is split by the
// saver's rules; CommandLineToArgvW treats quotes and backslashes differently.
#include <windows.h>

#include "command_line_win.h"
#include "wide_text.h"

const Arguments& CommandLineArguments() {
  static const Arguments arguments = ProgramArguments(Utf16View(GetCommandLineW()));
  return arguments;
}
