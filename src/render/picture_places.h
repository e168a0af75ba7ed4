// Where the texts and discs of the picture stand and in which fonts they are
// measured: one source for the paint that draws them and the fit that checks
// that they all lie inside the window and clear of one another.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "canvas.h"
#include "picture.h"

inline constexpr FontSpec LabelFont{15, false};  // spoke labels, the preview caption
inline constexpr FontSpec RingFont{15, false};   // code, percent, name and advice of a disc
inline constexpr FontSpec HintFont{15, true};
inline constexpr FontSpec DateFont{35, false};
inline constexpr FontSpec ClockFont{60, false};
inline constexpr FontSpec FrameTextFont{20, false};

inline constexpr int SpokeCircleRadius = 11;
inline constexpr int DiscRadius = 25;

// A circle's box: right and bottom exclusive, as the canvas draws ellipses.
constexpr Box CircleBox(Point centre, int radius) {
  return {centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius};
}

// The box a text of the measured size covers when drawn at p.
constexpr Box TextBox(Point p, TextExtent size) { return {p.X, p.Y, p.X + size.Width, p.Y + size.Height}; }

// A spoke label centred on its point.
constexpr Point LabelPlace(Point spoke, TextExtent size) {
  return {spoke.X - size.Width / 2, spoke.Y - size.Height / 2};
}

// The date centred across the window, its bottom 10 units above the centre;
// the clock centred across the window, its top 5 units below the centre.
constexpr Point DatePlace(std::int32_t width, Point centre, TextExtent size) {
  return {(width - size.Width) / 2, centre.Y - size.Height - 10};
}
constexpr Point ClockPlace(std::int32_t width, Point centre, TextExtent size) {
  return {(width - size.Width) / 2, centre.Y + 5};
}

// The four texts at the window's edges, in the order they are drawn.
enum class FrameText { CloseHint, Person, Site, Title };
inline constexpr std::array<FrameText, 4> FrameTexts = {FrameText::CloseHint, FrameText::Person,
                                                        FrameText::Site, FrameText::Title};

// What a frame text says for these inputs (the person text: the user's name
// and birth moment).
std::u16string FrameTextOf(FrameText which, const ScreenInputs& inputs);
// Where it stands in a picture of width by height units, for its measured size.
Point FrameTextPlace(FrameText which, std::int32_t width, std::int32_t height, TextExtent size);
