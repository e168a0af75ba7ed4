// The hack's run: pictures on exposure, resize and each minute, until a stop
// signal, the end of its window, or the window manager's close.
#pragma once

#include <optional>

#include "hack_clock.h"
#include "hack_painter.h"
#include "x_target.h"

// Returns the exit code. signalFd reads the stop signals; a fixed clock has no
// minutes to wait for.
int RunHack(Display* display, const TargetWindow& target, HackPainter& painter, int signalFd,
            const std::optional<TDateTime>& fixedNow);
