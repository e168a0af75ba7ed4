// The canvas over a GDI device context: creates each pen, brush and font for
// the step that selects it and owns its deletion. It draws in the context's
// own pixels (MM_TEXT): a font is made at the pixel height it is drawn in, so
// its letters stand at their own advances and measure as they are drawn.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

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
  // Each character of the selected font met so far, as it is drawn: its
  // advance, how far its ink reaches left of its pen position and right of
  // its advance, and above the baseline and below it. None for a font without
  // outlines (the stock raster font).
  struct Glyph {
    std::int32_t Advance = 0, Before = 0, After = 0, Above = 0, Below = 0;
  };
  const Glyph* GlyphOf(char16_t c);
  void ReadFont();
  bool DrawnSmooth(std::int32_t ppem) const;
  // The advances of text's letters; false when a letter has no glyph to tell.
  bool Advances(std::u16string_view text, std::vector<INT>& advances);
  std::vector<std::pair<char16_t, std::optional<Glyph>>>
      glyphs_;                                         // a font's few dozen letters, looked through in turn
  std::int32_t ascent_ = -1, descent_ = 0, cell_ = 0;  // the selected font's cell; -1: not read yet
  bool smooth_ = true;  // whether the selected font is drawn smoothed, read with its cell
  SelectionSlot pen_;
  SelectionSlot brush_;
  SelectionSlot fontSlot_;
};
