// What the paints of the saver's windows hand the picture: the settings the
// run loaded, and a window of given pixels at the scale of the display it is
// shown on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "picture_layout.h"

// The settings variables and the locale's time separator, as the picture takes them.
PictureSettings CurrentPictureSettings();

// A window of the given pixels at the scale of the display dc draws on. The
// program declares itself DPI-aware, so the system hands it the real DPI and
// does not stretch its windows: the picture scales itself.
PictureTarget WindowTarget(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight, PictureKind kind,
                           std::int32_t stars = StarCount);
