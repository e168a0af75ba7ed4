// The plain values a picture is described in: colours, points, boxes and the
// size of a text, shared by the meridian table and the drawing.
#pragma once

#include <cstdint>

using Colour = std::uint32_t;  // 0x00BBGGRR

struct Point {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left, top, right, bottom; right and bottom are exclusive.
struct Box {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

// A measured text: its advance (where a text drawn after it would start) and
// its cell's height, and how far its ink reaches beyond them: on either side (a
// slanted last letter, a first letter that hangs to the left), above the cell
// and below it (an accent, a descender the cell's rounding left out).
struct TextExtent {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t InkBefore = 0;
  std::int32_t InkAfter = 0;
  std::int32_t InkAbove = 0;
  std::int32_t InkBelow = 0;
  friend bool operator==(const TextExtent&, const TextExtent&) = default;
};
