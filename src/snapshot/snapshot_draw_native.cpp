// The native snapshot: the recording canvas with its stand-in text measurement.
#include "snapshot_draw.h"

#include <memory>

PictureFit FitSnapshot(const ScreenInputs& inputs, std::int32_t width, std::int32_t height, std::int32_t dpi) {
  return FitPictureFrame(inputs, width, height, dpi, dpi,
                         [](const PictureFrame&) { return std::make_unique<RecordingCanvas>(); });
}

SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, const PictureFrame& /*frame*/,
                             bool /*wantImage*/) {
  RecordingCanvas canvas;
  PaintScreen(canvas, inputs);
  return {canvas.Ops(), {}, {}};
}

std::u16string SnapshotTimeSeparator() { return u":"; }
