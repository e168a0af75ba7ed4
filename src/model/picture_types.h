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

struct TextExtent {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};
