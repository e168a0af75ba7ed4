// The native snapshot: the recording canvas with its stand-in text measurement.
#include "snapshot_draw.h"

SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, const PictureFrame& /*frame*/,
                             bool /*wantImage*/) {
  RecordingCanvas canvas;
  PaintScreen(canvas, inputs);
  return {canvas.Ops(), {}, {}};
}

std::u16string SnapshotTimeSeparator() { return u":"; }
