// The display's scale of the saver's window paints, and the picture's fit to it.
#include "window_paint.h"

#include <memory>

#include "gdi_canvas.h"
#include "picture_fit.h"

PictureFrame FrameOnDisplay(HDC dc, std::int32_t pixelWidth, std::int32_t pixelHeight) {
  return FrameAtDpi(pixelWidth, pixelHeight, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
}

PictureFrame FitOnDisplay(HDC dc, const ScreenInputs& inputs, std::int32_t pixelWidth, std::int32_t pixelHeight,
                          GdiTally& tally) {
  // Each candidate's canvas maps dc to its frame while it measures, and gives
  // the context back as it was before the next one is made.
  const CanvasForFrame measureOnDc = [&](const PictureFrame& frame) {
    return std::make_unique<GdiCanvas>(dc, tally, frame);
  };
  return FitPictureFrame(inputs, pixelWidth, pixelHeight, GetDeviceCaps(dc, LOGPIXELSX),
                         GetDeviceCaps(dc, LOGPIXELSY), measureOnDc)
      .Frame;
}
