// The cursor's display count, read the one way Win32 allows: lowering it and
// raising it again, which leaves it as it was. The cursor shows while it is 0
// or more.
#pragma once

#include <windows.h>

inline int CursorCount() {
  const int lowered = ShowCursor(FALSE);
  ShowCursor(TRUE);
  return lowered + 1;
}
