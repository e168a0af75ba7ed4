// The picture laid out for one window: the scale it is drawn at, and where
// each of its texts and discs stands in the window's pixels, every text
// measured on the canvas that draws it, in the font and at the pixel size it is
// drawn in. Made when the window's size, the display's scale or the settings
// change, and kept: a paint then only draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "display_scale.h"
#include "meridian_table.h"
#include "star_field.h"
#include "tdatetime.h"
#include "user_settings.h"

// What the picture shows: the user's settings, and the locale's separator of
// hours and minutes.
struct PictureSettings : Settings {
  std::u16string TimeSeparator = u":";
  friend bool operator==(const PictureSettings&, const PictureSettings&) = default;
};

// The saver's whole picture, the small picture of the preview, or the ground
// alone (background and stars) of a cover window on another monitor.
enum class PictureKind { Saver, Preview, Cover };

struct PictureTarget {
  std::int32_t PixelWidth = 0;
  std::int32_t PixelHeight = 0;
  // The display's scale, the same across and down on every desktop; an
  // unreadable one or one below 96 counts as 96.
  std::int32_t Dpi = BaseDpi;
  PictureKind Kind = PictureKind::Saver;
  std::int32_t Stars = StarCount;  // a cover's own count keeps the picture's density
  friend bool operator==(const PictureTarget&, const PictureTarget&) = default;
};

// A text where it is drawn: the top-left of its cell, in pixels, and its size
// as measured in its font.
struct PlacedText {
  std::u16string Text;
  Point At;
  TextExtent Size;
  // What its ink may cover: the cell and the advance, widened by the overhangs.
  Box Ink() const {
    return {At.X - Size.InkBefore, At.Y - Size.InkAbove, At.X + Size.Width + Size.InkAfter,
            At.Y + Size.Height + Size.InkBelow};
  }
};

// One disc of the ring with its texts.
struct RingPlace {
  Point Unit;    // the disc's centre in the picture's units
  Point Centre;  // and in pixels
  Box Disc;
  Box Badge;
  PlacedText Code;
  std::int32_t PercentTop = 0;  // the percent is centred on the disc, its cell's top here
  PlacedText Name;
  PlacedText Hint;
  std::vector<PlacedText> Advice;  // every line; shown while the level is in the green band
};

// The fonts of the picture at the pixel sizes of its scale.
struct PictureFonts {
  FontSpec Label, Ring, Hint, Date, Clock, FrameText;
};

struct PictureLayout {
  PictureSettings Settings;
  PictureTarget Target;
  PictureFrame Frame;          // the picture's units over the window's pixels
  std::int32_t Dpi = BaseDpi;  // the scale it is drawn at, as the DPI of a display
  Point CentreUnit;            // the dial's centre in units
  PictureFonts Fonts;
  // The spoke labels "00" to "23", by spoke: spoke i (1 to 24) is label 24 - i.
  std::array<PlacedText, 24> Labels;
  std::array<RingPlace, MeridianCount> Ring;
  // The room the date and the clock may take at any moment (their widest texts).
  Box DateRoom, ClockRoom;
  PlacedText CloseHint, Title, Site;
  // The person text in two runs, so nothing in the name reorders the birth
  // moment: the name as drawn (cut with "…" where it does not fit its room)
  // and the rest, from the "…" or the ", " on.
  PlacedText PersonName, PersonRest;
  PlacedText Caption;  // the preview's
};

// Lays the picture out for target, measuring on measure: at the scale the
// screen asks for (ScreenDpi) where the whole picture fits, else at the largest
// scale at which it does. The preview and a cover take the display's scale.
PictureLayout LayOutPicture(const PictureSettings& settings, const PictureTarget& target, Canvas& measure);

// The layout at the scale of dpi whether it fits or not, the name cut to its
// room: what LayOutPicture judges for each scale it tries.
PictureLayout LayOutPictureAt(const PictureSettings& settings, const PictureTarget& target, std::int32_t dpi,
                              Canvas& measure);
