// GDI drawing for the picture; results of the drawing calls are not examined,
// a failed step leaves the rest of the picture as drawn.
#include "gdi_canvas.h"

namespace {

const wchar_t* Wide(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

int Length(std::u16string_view text) { return static_cast<int>(text.size()); }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, GdiTally& tally)
    : dc_(dc), tally_(tally), pen_(dc), brush_(dc), fontSlot_(dc) {
  font_.lfHeight = 15;
  font_.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font_.lfFaceName, L"Tahoma", LF_FACESIZE);
}

void GdiCanvas::SelectPen(const PenSpec& pen) {
  pen_.Select(OwnedGdiObject(CreatePen(PS_SOLID, pen.Width, pen.Color), tally_), tally_);
}

void GdiCanvas::SelectBrush(Colour colour) {
  brush_.Select(OwnedGdiObject(CreateSolidBrush(colour), tally_), tally_);
}

void GdiCanvas::SelectFont(const FontSpec& font) {
  font_.lfHeight = font.Height;
  font_.lfItalic = font.Italic ? 1 : 0;
  fontSlot_.Select(OwnedGdiObject(CreateFontIndirectW(&font_), tally_), tally_);
}

void GdiCanvas::SetTextColor(Colour colour) { ::SetTextColor(dc_, colour); }

void GdiCanvas::SetTransparentMode() { SetBkMode(dc_, TRANSPARENT); }

void GdiCanvas::Rectangle(const Box& b) { ::Rectangle(dc_, b.Left, b.Top, b.Right, b.Bottom); }

void GdiCanvas::Ellipse(const Box& b) { ::Ellipse(dc_, b.Left, b.Top, b.Right, b.Bottom); }

void GdiCanvas::Arc(const Box& b, Point s, Point e) {
  ::Arc(dc_, b.Left, b.Top, b.Right, b.Bottom, s.X, s.Y, e.X, e.Y);
}

void GdiCanvas::MoveTo(Point p) { MoveToEx(dc_, p.X, p.Y, nullptr); }

void GdiCanvas::LineTo(Point p) { ::LineTo(dc_, p.X, p.Y); }

void GdiCanvas::Text(Point p, std::u16string_view text) {
  TextOutW(dc_, p.X, p.Y, Wide(text), Length(text));
}

TextExtent GdiCanvas::MeasureText(std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, Wide(text), Length(text), &size);
  return {size.cx, size.cy};
}
