// Picks the frame the saver's picture is drawn in, so that the whole picture
// fits its window: the display's own scale where it fits, else the largest
// scale at which it does. Portable: every front end (the Windows saver's
// paint, the snapshot tool, a cairo front end) calls this with a canvas of its
// own for measuring, and then draws PaintScreen in the frame it returns.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "canvas.h"
#include "display_scale.h"
#include "picture.h"

// A canvas whose texts measure as they would when the picture is drawn in the
// given frame (a GDI context mapped to it, a cairo context scaled to it, ...).
// Only SelectFont and MeasureText are called on it; it may draw nowhere.
using CanvasForFrame = std::function<std::unique_ptr<Canvas>(const PictureFrame& frame)>;

// The smallest scale tried, in dots per inch: a half of 96-DPI size. A window
// too small for the picture even there gets it at this scale.
inline constexpr std::int32_t MinFitDpi = 48;

struct PictureFit {
  PictureFrame Frame;
  // The scale the frame was made at, as the DPI it gives FrameAtDpi across;
  // the display's own (an unreadable one counts as 96) when the picture fits.
  std::int32_t Dpi = BaseDpi;
};

// The frame for a window of pixelWidth by pixelHeight on a display of dpiX by
// dpiY. The picture fits a frame when every disc, ring text (each position's
// advice lines counted as if shown, so the scale does not change as they come
// and go), spoke label, the date, the clock and the four frame texts lie inside
// it, and no frame text lies over another text or a disc. Searched over whole
// DPI from the display's down to MinFitDpi (below 96 for screens too small at
// 96), texts measured with canvasFor's canvas of each candidate frame. The
// preview and an empty window keep the display's frame. inputs give the texts
// (language, name, birth moment, the moment, the time separator); their Width
// and Height are not read.
PictureFit FitPictureFrame(const ScreenInputs& inputs, std::int32_t pixelWidth, std::int32_t pixelHeight,
                           std::int32_t dpiX, std::int32_t dpiY, const CanvasForFrame& canvasFor);

// Whether the picture fits frame by the rule above, texts measured with measure.
bool PictureFitsFrame(const ScreenInputs& inputs, const PictureFrame& frame, Canvas& measure);
