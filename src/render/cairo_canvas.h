// The canvas over cairo: the picture drawn with the same conventions as GDI
// (exclusive right and bottom edges, a one-pixel black default pen, arcs
// counterclockwise on the screen, text placed by the top of its cell), the
// surface's own pixels, each text in a font made at the pixel height it is
// drawn in).
#pragma once

#include <cairo.h>

#include <memory>
#include <string>

#include "cairo_fonts.h"
#include "cairo_owners.h"
#include "canvas.h"
#include "palette.h"

class CairoCanvas final : public Canvas {
public:
  // cr draws onto a surface; both it and fonts must outlive the canvas. The
  // canvas leaves cr's state as it found it.
  CairoCanvas(cairo_t* cr, const CairoFonts& fonts);
  // A canvas that only measures, as texts measure when drawn.
  static std::unique_ptr<Canvas> ForMeasuring(const CairoFonts& fonts);
  // The same over a context of its own, given back when the canvas ends.
  CairoCanvas(CairoContext owned, const CairoFonts& fonts);
  ~CairoCanvas() override;
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  void SelectPen(const PenSpec& pen) override;
  void SelectBrush(Colour colour) override;
  void SelectFont(const FontSpec& font) override;
  void SetTextColor(Colour colour) override;
  void SetTransparentMode() override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;
  void Arc(const Box& box, Point start, Point end) override;
  void MoveTo(Point p) override;
  void LineTo(Point p) override;
  void Text(Point p, std::u16string_view text) override;
  TextExtent MeasureText(std::u16string_view text) override;

private:
  void UseColour(Colour colour);
  void StrokeWithPen();
  // Selects the font's face for measuring (which also places the glyphs) or for drawing.
  void UseFont(bool forDrawing);
  struct PlacedGlyphs {
    std::unique_ptr<cairo_glyph_t, ReleaseWith<cairo_glyph_free>> Glyphs;
    int Count = 0;
    std::int32_t Advance = 0;  // whole pixels, as hinted
  };
  PlacedGlyphs Place(const std::string& utf8, double x, double y);
  // The path of the ellipse inscribed in the device box, through the centres
  // of its outermost pixels.
  void EllipsePath(double left, double top, double right, double bottom);

  CairoContext owned_;  // a measuring canvas's own context, given back last
  cairo_t* cr_;
  const CairoFonts& fonts_;
  CairoFontOptions smooth_;
  CairoFontOptions sharp_;
  // A fresh GDI surface: black one-pixel pen, white brush, black text drawn
  // over a white background, the System font.
  PenSpec pen_{1, Black};
  Colour brush_ = White;
  Colour textColour_ = Black;
  bool transparent_ = false;
  CellFont font_;
  std::int32_t cellHeight_ = DefaultFontHeight;  // device pixels, as selected
  bool italic_ = false;
  double penX_ = 0, penY_ = 0;
};
