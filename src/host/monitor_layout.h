// Which parts of the display the saver covers besides its own window: one
// rectangle for each monitor that the saver window leaves uncovered.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Left, top, right, bottom in screen pixels; right and bottom are exclusive.
// Monitors left of or above the primary have negative coordinates.
struct ScreenRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;

  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The monitors as the system lists them and the saver window's rectangle give
// the rectangles to cover, in the monitors' order, each once. A monitor that
// lies wholly within the saver window (the primary, or one mirroring it) gets
// none, as a cover there would only hide the picture; nor does one lying
// wholly within another monitor that gets a cover.
std::vector<ScreenRect> CoverRects(std::span<const ScreenRect> monitors, const ScreenRect& saver);
