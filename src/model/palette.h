// Every colour of the picture, in one place (0x00BBGGRR, red in the low byte):
// the frame's, the level bands' and the meridians' own. tools/make-icon.sh
// reads the meridian colours from here, one value a line.
#pragma once

#include <array>

#include "picture_types.h"

inline constexpr Colour BackgroundColour = 0x001E0000;
inline constexpr Colour DialColour = 0x005E2F00;
inline constexpr Colour StarColour = 0x00C3C3C3;
inline constexpr Colour White = 0x00FFFFFF;
inline constexpr Colour FrameTextColour = 0x00808080;
inline constexpr Colour Black = 0x00000000;

// The bands of a level (see LevelColor).
inline constexpr Colour BandGreen = 0x0000FF00;
inline constexpr Colour BandYellow = 0x0000FFFF;
inline constexpr Colour BandRed = 0x000000FF;

// Each meridian's colour by table index k, Lungs ... Liver.
inline constexpr auto MeridianColor = std::to_array<Colour>({
    0x00CDCDCD,
    0x00FFFFFF,
    0x0066FFFF,
    0x0033CCFF,
    0x008888FF,
    0x000F0FFF,
    0x00CC00FF,
    0x00FF99FF,
    0x00FFFF99,
    0x00FFFF00,
    0x0066CC66,
    0x0099CC99,
});
