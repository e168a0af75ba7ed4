// The one step every front end takes to show the picture: the settings, the
// window's size and display scale, and the paint's clock reading in; the
// picture on the canvas out. The layout is made when the settings or the
// window differ from the last paint's, and kept, as is the day's scan of the
// arcs: a minute's repaint only draws.
#pragma once

#include <optional>

#include "canvas.h"
#include "picture.h"
#include "picture_layout.h"

class ScreenPicture {
public:
  // Lays the picture out for settings and target, measuring on measure (the
  // canvas that will draw it, or one that measures alike), unless the kept
  // layout is already theirs.
  const PictureLayout& LayOut(const PictureSettings& settings, const PictureTarget& target, Canvas& measure);
  // Draws the kept layout at the moment of clock; nothing before a layout.
  void Paint(Canvas& canvas, const ClockReading& clock);
  // Both, on the one canvas that measures and draws.
  void Paint(Canvas& canvas, const PictureSettings& settings, const PictureTarget& target,
             const ClockReading& clock);

  // The kept layout, or none before the first.
  const PictureLayout* Layout() const { return layout_ ? &*layout_ : nullptr; }
  // How many layouts were made so far.
  int Layouts() const { return layouts_; }

private:
  std::optional<PictureLayout> layout_;
  int layouts_ = 0;
  DayScan days_;  // the arcs of the day, kept from paint to paint
};
