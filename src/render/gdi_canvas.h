// The canvas over a GDI device context: creates each pen, brush and font for
// the step that selects it and owns its deletion, and maps the picture's
// 96-DPI units onto the context's pixels.
#pragma once

#include <windows.h>

#include "canvas.h"
#include "display_scale.h"
#include "gdi_objects.h"

// While it lives, the context draws the frame's units onto its pixels: a
// mapping mode, which (unlike a world transform in the advanced graphics mode)
// keeps the right and bottom edges of rectangles and ellipses exclusive and
// the arcs' direction as on the screen. TrueType text is then made at the
// scaled size, so it stays crisp. An unscaled frame leaves the context alone,
// so at 96 DPI the picture is the same, pixel for pixel.
class UnitMapping {
public:
  UnitMapping(HDC dc, const PictureFrame& frame);
  ~UnitMapping();
  UnitMapping(const UnitMapping&) = delete;
  UnitMapping& operator=(const UnitMapping&) = delete;

private:
  HDC dc_;
  int previousMode_ = 0;  // 0: nothing was changed
  SIZE previousWindow_{};
  SIZE previousViewport_{};
};

class GdiCanvas final : public Canvas {
public:
  // The context must outlive the canvas; at the end the context has its own
  // objects and mapping back and every object made here is deleted.
  GdiCanvas(HDC dc, GdiTally& tally, const PictureFrame& frame = {});
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

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
  HDC dc_;
  GdiTally& tally_;
  UnitMapping mapping_;  // undone after the slots have given back their objects
  LOGFONTW font_{};  // filled once; each font changes only height and italic
  SelectionSlot pen_;
  SelectionSlot brush_;
  SelectionSlot fontSlot_;
};
