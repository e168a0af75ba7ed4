// A system DLL loaded when it is first needed rather than imported: from the
// system folder only, never from beside the program or the current folder.
#pragma once

#include <windows.h>

#include "unique_handle.h"

inline UniqueModule LoadSystemLibrary(const wchar_t* name) {
  UniqueModule module{LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)};
  // A system without the search flags (Windows 7 before its update) refuses them.
  if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = UniqueModule{LoadLibraryW(name)};
  return module;
}
