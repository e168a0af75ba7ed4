// How this build of quellora-snapshot draws: natively through cairo, with the
// hack's fonts, under Windows with GDI into an off-screen bitmap; either way a
// recording in front of the canvas keeps the operations of the paint.
#pragma once

#include <string>
#include <vector>

#include "picture.h"
#include "picture_layout.h"
#include "recording_canvas.h"

struct SnapshotPicture {
  std::vector<DrawOp> Ops;
  std::string Bmp;    // a 24-bit BMP file, only when asked for and only under Windows
  std::string Fault;  // non-empty: the drawing could not be done soundly
};

inline constexpr bool SnapshotDrawsImages =
#ifdef _WIN32
    true;
#else
    false;
#endif

// The picture the saver would show in a window of the target's pixels on a
// display of its scale: laid out by the saver's rule, its texts measured as
// this build draws them.
SnapshotPicture DrawSnapshot(const PictureSettings& settings, const PictureTarget& target,
                             const ClockReading& clock, bool wantImage);
// ":" natively; the user's locale's time separator under Windows.
std::u16string SnapshotTimeSeparator();
