// Where the texts and discs of the picture stand and in which fonts they are
// drawn: the picture's units (a 96-DPI display's pixels), and the rules that
// put a text of a measured size in the window's pixels around its anchor.
#pragma once

#include <cstdint>

#include "canvas.h"
#include "display_scale.h"

// The fonts in units; a layout makes them at its scale's pixel size.
inline constexpr FontSpec LabelFont{15, false};  // spoke labels, the preview caption
inline constexpr FontSpec RingFont{15, false};   // code, percent, name and advice of a disc
inline constexpr FontSpec HintFont{15, true};
inline constexpr FontSpec DateFont{35, false};
inline constexpr FontSpec ClockFont{60, false};
inline constexpr FontSpec FrameTextFont{20, false};

inline constexpr int SpokeCircleRadius = 11;
inline constexpr int DiscRadius = 25;
// The frame texts stand this far in from the window's edges.
inline constexpr int FrameTextInset = 10;

// A circle's box: right and bottom exclusive, as the canvas draws ellipses.
constexpr Box CircleBox(Point centre, int radius) {
  return {centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius};
}

// A font of the picture at the frame's scale.
inline FontSpec Scaled(const PictureFrame& frame, FontSpec font) {
  return {frame.FontHeight(font.Height), font.Italic};
}

// A text of the measured size centred on a point (pixels).
constexpr Point CentredOn(Point p, TextExtent size) { return {p.X - size.Width / 2, p.Y - size.Height / 2}; }

// The date centred across the window, its bottom 10 units above the centre;
// the clock centred across the window, its top 5 units below the centre.
inline Point DatePlace(const PictureFrame& frame, Point centreUnit, TextExtent size) {
  return {(frame.PixelWidth - size.Width) / 2, frame.Y(centreUnit.Y - 10) - size.Height};
}
inline Point ClockPlace(const PictureFrame& frame, Point centreUnit, TextExtent size) {
  return {(frame.PixelWidth - size.Width) / 2, frame.Y(centreUnit.Y + 5)};
}

// The frame texts: the close hint at the top-left, the title centred at the
// top, the person text at the bottom-left and the site address at the bottom-right.
inline Point CloseHintPlace(const PictureFrame& f) { return {f.X(FrameTextInset), f.Y(FrameTextInset)}; }
inline Point TitlePlace(const PictureFrame& f, TextExtent size) {
  return {(f.PixelWidth - size.Width) / 2, f.Y(FrameTextInset)};
}
inline Point PersonPlace(const PictureFrame& f, TextExtent size) {
  return {f.X(FrameTextInset), f.Y(f.Height - FrameTextInset) - size.Height};
}
inline Point SitePlace(const PictureFrame& f, TextExtent size) {
  return {f.X(f.Width - FrameTextInset) - size.Width, f.Y(f.Height - FrameTextInset) - size.Height};
}
