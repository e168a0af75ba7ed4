// The paint of the saver window, run on the main thread for every WM_PAINT.
#pragma once

// Begins and ends the painting of SaverWindow itself; reads ScreenWidth,
// ScreenHeight and IsPreview.
void PaintScreen();
