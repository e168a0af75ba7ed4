// The saver's picture: the frame, the dial, the arcs, the hand, the date, the
// clock, the meridian ring and the frame texts, drawn in one pass onto a
// canvas from a layout made beforehand and the paint's reading of the clock.
#pragma once

#include <cstdint>

#include "canvas.h"
#include "level.h"
#include "palette.h"
#include "picture_layout.h"
#include "tdatetime.h"

// The paint's one reading of the local clock, and the seed of its stars (new
// for every paint, taken from the clock).
struct ClockReading {
  TDateTime Now = 0;
  std::uint32_t StarSeed = 0;
};

inline constexpr int DialRadius = 240;
inline constexpr int RingRadius = 290;

inline constexpr char16_t PreviewCaption[] = u"Quellora";
inline constexpr char16_t CloseHintRu[] = u"Закрыть - любая клавиша";
inline constexpr char16_t CloseHintEn[] = u"Close - any key";
inline constexpr char16_t TitleRu[] = u"БИОРИТМЫ КВЕЛЛОРА";
inline constexpr char16_t TitleEn[] = u"BIORHYTHMS OF QUELLORA";

// The picture of layout's kind at the moment of clock.
void PaintScreen(Canvas& canvas, const PictureLayout& layout, const ClockReading& clock);
// The same, the day's scan taken from days when it holds that day's.
void PaintScreen(Canvas& canvas, const PictureLayout& layout, const ClockReading& clock, DayScan& days);

// The twelve discs around the dial with their levels at the frame's minute.
void PaintMeridianRing(Canvas& canvas, const PictureLayout& layout, const ModelFrame& frame);

// The ring's positions run clockwise from the left: the bottom one a quarter of
// the way round, the top one three quarters.
inline constexpr int RingBottom = MeridianCount / 4;
inline constexpr int RingTop = 3 * MeridianCount / 4;

// Where the name, the hint and advice line `line` of ring position I go, for a
// text measured w by h, about the disc whose centre is disc (in units), in
// the frame's pixels: 30 units left or right of the centre, rows of h pixels.
enum class RingText { Name, Hint, Advice };
Point RingTextPlace(const PictureFrame& frame, int ringPosition, RingText what, int line, Point disc,
                    TextExtent size);
