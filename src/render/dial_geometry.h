// The two rules that place things on circles about the centre of the dial:
// minute 0 of the day lies left of the centre and time runs clockwise.
#pragma once

#include <cstdint>

#include "canvas.h"

// Centre of a window: both sizes halved toward zero.
Point DialCentre(std::int32_t width, std::int32_t height);

// Hour point j of n at radius r (spokes, ring discs): the offsets are cut
// toward zero before the centre is added.
Point HourPoint(Point centre, int j, int n, int radius);

// Time point of a minute of the day at radius r (arcs, hand): the angle is
// stored as a single before its sine and cosine, and the centre is added
// before the cut toward zero.
Point TimePoint(Point centre, float minute, int radius);
