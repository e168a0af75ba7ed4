// The narrow set of drawing operations the saver's picture is made of, so the
// same drawing routine can paint through GDI, through cairo or into a
// recording for tests. Everything is in the target's pixels: the picture's
// layout scales its units before it draws, and a text is measured in the font
// it is drawn in, at the size it is drawn.
#pragma once

#include <cstdint>
#include <string_view>

#include "picture_types.h"

// Every pen of the picture is solid; only width and colour vary.
struct PenSpec {
  std::int32_t Width = 1;  // pixels
  ::Colour Colour = 0;     // qualified: the member takes the type's name
};

// What GDI does by default, which the cairo and recording canvases do as well:
// before a font is selected a surface draws and measures in the stock System
// font, whose cell is 16 pixels high.
inline constexpr std::int32_t DefaultFontHeight = 16;
// The face of every text of the picture (ASCII, as GDI, fontconfig and Pango take it).
inline constexpr char FontFace[] = "Tahoma";

// Every font of the picture is the same description with another height or
// italic flag (face, weight and the rest are fixed by the canvas).
struct FontSpec {
  std::int32_t Height = 15;  // the cell, in pixels
  bool Italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Canvas {
public:
  virtual ~Canvas() = default;

  // Each selection stands for a new object made for the step that asks for it.
  virtual void SelectPen(const PenSpec& pen) = 0;
  virtual void SelectBrush(Colour colour) = 0;
  virtual void SelectFont(const FontSpec& font) = 0;
  virtual void SetTextColor(Colour colour) = 0;
  // Text leaves whatever is behind its glyphs untouched.
  virtual void SetTransparentMode() = 0;

  virtual void Rectangle(const Box& box) = 0;
  virtual void Ellipse(const Box& box) = 0;
  // The arc of the ellipse inscribed in box, counterclockwise on the screen from
  // the ray through start to the ray through end.
  virtual void Arc(const Box& box, Point start, Point end) = 0;
  virtual void MoveTo(Point p) = 0;
  virtual void LineTo(Point p) = 0;
  // Top-left of the first character cell at p, in the current font and colour.
  virtual void Text(Point p, std::u16string_view text) = 0;
  // Advance and cell height of text in the current font, and how far its ink
  // reaches beyond the advance: what Text(p, text) covers.
  virtual TextExtent MeasureText(std::u16string_view text) = 0;
};
