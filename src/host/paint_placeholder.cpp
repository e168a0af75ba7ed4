// Until the picture is drawn, a paint request only validates the window.
#include <windows.h>

#include "host_state.h"
#include "paint_screen.h"

void PaintScreen() {
  PAINTSTRUCT paint{};
  // Without BeginPaint the update region would stay and WM_PAINT would repeat.
  if (BeginPaint(SaverWindow, &paint)) EndPaint(SaverWindow, &paint);
}
