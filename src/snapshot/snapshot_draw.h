// How this build of quellora-snapshot draws: into a recording natively, with
// GDI into an off-screen bitmap under Windows.
#pragma once

#include <string>
#include <vector>

#include "display_scale.h"
#include "picture.h"
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

// inputs in the frame's units; an image has the frame's pixels.
SnapshotPicture DrawSnapshot(const ScreenInputs& inputs, const PictureFrame& frame, bool wantImage);
// ":" natively; the user's locale's time separator under Windows.
std::u16string SnapshotTimeSeparator();
