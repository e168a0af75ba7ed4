// The frame a window's paint draws in: the window's pixels at the scale of the
// display it is shown on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "display_scale.h"

// A window of the given pixels at the scale of the display dc draws on. The
// program declares itself DPI-aware, so the system hands it the real DPI and
// does not stretch its windows: the picture scales itself.
PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight);
