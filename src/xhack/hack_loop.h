// The hack's run: pictures on exposure, resize and each minute, until a stop
// signal, the end of its window, the window manager's close, or (in its own
// window only) a key or a button.
#pragma once

#include <optional>

#include "hack_clock.h"
#include "hack_painter.h"
#include "x_target.h"

// How the run ended: an exit code, or the stop signal that ended it, which the
// process is to end by once it has cleaned up (as XScreenSaver expects of a
// hack it stops).
struct HackEnd {
  int Code = 0;
  int Signal = 0;
};

// signalFd reads the stop signals; a fixed clock has no minutes to wait for.
HackEnd RunHack(Display* display, const TargetWindow& target, HackPainter& painter, int signalFd,
                const std::optional<TDateTime>& fixedNow);
