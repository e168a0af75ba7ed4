// The frame a window's paint draws in: the window's pixels at the scale of the
// display it is shown on, and for the saver's picture its fit to them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "display_scale.h"
#include "gdi_objects.h"
#include "picture.h"

// A window of the given pixels at the scale of the display dc draws on. The
// program declares itself DPI-aware, so the system hands it the real DPI and
// does not stretch its windows: the picture scales itself.
PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight);

// The frame the saver's picture is drawn in on a window of the given pixels:
// the display's scale where the whole picture fits, else the largest scale at
// which it does; its texts measured on dc itself, each candidate's fonts
// counted in tally. inputs' Width and Height are not read.
PictureFrame FitOnDisplay(HDC dc, const ScreenInputs& inputs, std::int32_t pixelWidth, std::int32_t pixelHeight,
                          GdiTally& tally);
