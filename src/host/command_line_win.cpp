// The process's own arguments. The whole command line text is split by the
// saver's rules; CommandLineToArgvW treats quotes and backslashes differently.
#include <windows.h>

#include "host.h"

const Arguments& CommandLineArguments() {
  static const Arguments arguments =
      ProgramArguments(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  return arguments;
}
