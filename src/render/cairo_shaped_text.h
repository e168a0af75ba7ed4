// Texts the picture's Tahoma cannot draw whole by itself, measured and drawn
// by Pango over cairo: letters Tahoma lacks come from the system's fallback
// fonts (fontconfig), every script is shaped (HarfBuzz), and the text takes its
// own direction as an isolate (FriBidi), sized as the cairo canvas sizes Tahoma.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>

#include "cairo_fonts.h"

// Device pixels of a shaped text at one cell height.
struct ShapedExtent {
  std::int32_t Width = 0;     // the advance: where a text after it would start
  std::int32_t Height = 0;    // the cell, Tahoma's at that cell height
  std::int32_t InkLeft = 0;   // how far ink reaches left of the advance box (0 or more)
  std::int32_t InkRight = 0;  // how far ink reaches right of it (0 or more)
  std::int32_t InkAbove = 0;  // how far ink reaches above the cell (a fallback font's tall letter)
  std::int32_t InkBelow = 0;  // and below it
};

// Whether the text needs the shaped way: a character that Tahoma lacks, or one
// of a script that is joined, reordered or marked (right-to-left scripts,
// scripts of India and South-East Asia, combining marks, joiners and
// direction controls). Plain Latin, Cyrillic and Greek in Tahoma do not.
bool NeedsShapedText(const CairoFonts& fonts, std::u16string_view text);

// The text in Tahoma (and the fallback fonts) with a cell of cellHeight device
// pixels, slanted for italic.
ShapedExtent MeasureShapedText(const CairoFonts& fonts, std::u16string_view text, std::int32_t cellHeight,
                               bool italic);
// Draws it in cr's current source with its cell's top-left at the device point
// x, y (cr's matrix the identity), its baseline where Tahoma's would be.
void DrawShapedText(cairo_t* cr, const CairoFonts& fonts, std::u16string_view text, std::int32_t cellHeight,
                    bool italic, double x, double y);
