// How this build of quellora-snapshot draws: into a recording natively, with
// GDI into an off-screen bitmap under Windows.
#pragma once

#include <string>
#include <vector>

#include "display_scale.h"
#include "picture.h"
#include "picture_fit.h"
#include "recording_canvas.h"

struct SnapshotPicture {
  std::vector<DrawOp> Ops;
  std::string Bmp;  // a 24-bit BMP file, only when asked for and only under Windows
  std::string Fault;  // non-empty: the drawing could not be done soundly
};

inline constexpr bool SnapshotDrawsImages =
#ifdef _WIN32
    true;
#else
    false;
#endif

// The frame the saver would draw the picture in on a window of width by height
// pixels at dpi: the same fit, its texts measured as this build draws them.
PictureFit FitSnapshot(const ScreenInputs& inputs, std::int32_t width, std::int32_t height, std::int32_t dpi);
// inputs in the frame's units; an image has the frame's pixels.
SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, const PictureFrame& frame, bool wantImage);
// ":" natively; the user's locale's time separator under Windows.
std::u16string SnapshotTimeSeparator();
