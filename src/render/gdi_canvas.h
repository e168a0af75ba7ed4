// The canvas over a GDI device context: creates each pen, brush and font for
// the step that selects it and owns its deletion.
#pragma once

#include <windows.h>

#include "canvas.h"
#include "gdi_objects.h"

class GdiCanvas final : public Canvas {
public:
  // The context must outlive the canvas; at the end the context has its own
  // objects back and every object made here is deleted.
  GdiCanvas(HDC dc, GdiTally& tally);
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
  LOGFONTW font_{};  // filled once; each font changes only height and italic
  SelectionSlot pen_;
  SelectionSlot brush_;
  SelectionSlot fontSlot_;
};
