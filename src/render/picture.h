// The saver's picture: the frame, the dial, the arcs, the hand, the date, the
// clock, the meridian ring and the frame texts, drawn in one pass onto a canvas.
#pragma once

#include <cstdint>
#include <string>

#include "canvas.h"
#include "level.h"
#include "tdatetime.h"

// Everything one paint depends on, read once by the caller.
struct ScreenInputs {
  // The picture's size in units of a 96-DPI display (its pixels at 96 DPI); the
  // canvas maps them onto the window at the display's scale.
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool IsPreview = false;
  bool Rus = false;
  bool ShowStars = false;
  std::u16string UserName;
  TDateTime BirthMoment = 0;
  TDateTime Now = 0;  // the paint's one reading of the local clock
  std::u16string TimeSeparator = u":";
  std::uint32_t StarSeed = 0;  // new for every paint, taken from the clock
};

inline constexpr Colour BackgroundColour = 0x001E0000;
inline constexpr Colour DialColour = 0x005E2F00;
inline constexpr Colour StarColour = 0x00C3C3C3;
inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour FrameTextColour = 0x00808080;
inline constexpr Colour Black = 0x00000000;

inline constexpr int DialRadius = 240;
inline constexpr int RingRadius = 290;

inline constexpr char16_t PreviewCaption[] = u"Quellora";
inline constexpr char16_t CloseHintRu[] = u"Закрыть - любая клавиша";
inline constexpr char16_t CloseHintEn[] = u"Close - any key";
inline constexpr char16_t TitleRu[] = u"БИОРИТМЫ КВЕЛЛОРА";
inline constexpr char16_t TitleEn[] = u"BIORHYTHMS OF QUELLORA";

void PaintScreen(Canvas& canvas, const ScreenInputs& inputs);

// The twelve discs around the dial with their levels at the frame's minute.
void PaintMeridianRing(Canvas& canvas, Point centre, const ModelFrame& frame, bool rus);

// Where the name, the hint and advice line `line` of ring position I go, for a
// text measured w by h, around the disc centre.
enum class RingText { Name, Hint, Advice };
Point RingTextPlace(int ringPosition, RingText what, int line, Point disc, TextExtent size);
