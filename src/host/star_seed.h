// The seed of a paint's stars, taken from the clock reading of that paint.
#pragma once

#include <windows.h>

#include <cstdint>

// Different on every paint: the reading's milliseconds since the start of the year 1601.
std::uint32_t StarSeedOf(const SYSTEMTIME& time);
