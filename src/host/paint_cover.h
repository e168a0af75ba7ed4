// The paint of a cover window on a monitor other than the saver's, run on the
// main thread for each of its WM_PAINT messages.
#pragma once

#include <windows.h>

#include <cstdint>

// Begins and ends the painting of window; draws its client area at the
// display's scale, with starCount stars when the star field is on.
void PaintCover(HWND window, std::int32_t starCount);
