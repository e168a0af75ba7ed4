// The monitor layout reduced to the rectangles the cover windows take.
#include "monitor_layout.h"

#include <algorithm>

namespace {

bool Within(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

}  // namespace

std::vector<ScreenRect> CoverRects(std::span<const ScreenRect> monitors, const ScreenRect& saver) {
  std::vector<ScreenRect> candidates;
  for (const ScreenRect& monitor : monitors)
    if (!monitor.Empty() && !Within(monitor, saver)) candidates.push_back(monitor);

  // Monitors showing the same part of the desktop (mirrors, possibly at a
  // lower resolution) need one window: the largest one's.
  std::vector<ScreenRect> covers;
  for (const ScreenRect& candidate : candidates) {
    const bool coveredByAnother = std::any_of(candidates.begin(), candidates.end(), [&](const ScreenRect& other) {
      return other != candidate && Within(candidate, other);
    });
    if (!coveredByAnother && std::find(covers.begin(), covers.end(), candidate) == covers.end())
      covers.push_back(candidate);
  }
  return covers;
}
