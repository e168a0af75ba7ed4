// GDI drawing for the picture; results of the drawing calls are not examined,
// a failed step leaves the rest of the picture as drawn.
#include "gdi_canvas.h"

#include <algorithm>

#include "lazy_uniscribe.h"
#include "unique_handle.h"
#include "wide_text.h"

namespace {

int Length(std::u16string_view text) { return static_cast<int>(text.size()); }

bool HasSurrogates(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0xD800 && c <= 0xDFFF; });
}

struct ScriptStringTraits {
  static SCRIPT_STRING_ANALYSIS Invalid() { return nullptr; }
  // Only an analysis Uniscribe made is ever held, so it is loaded.
  static void Close(SCRIPT_STRING_ANALYSIS analysis) { LoadUniscribe()->ScriptStringFree(&analysis); }
};
using UniqueScriptString = UniqueWin32<SCRIPT_STRING_ANALYSIS, ScriptStringTraits>;

// TextOutW and GetTextExtentPoint32W take each UTF-16 unit for a character
// (Wine draws a surrogate pair as two missing-glyph boxes). Uniscribe shapes
// whole characters: one glyph, from the current font or a fallback font that
// has it, or one box where none has. Nothing when it cannot analyse the text.
UniqueScriptString AnalyseWhole(HDC dc, std::u16string_view text) {
  UniqueScriptString analysis;
  const Uniscribe* uniscribe = LoadUniscribe();
  if (!uniscribe) return {};
  // The glyph buffer size Uniscribe's documentation recommends.
  const int glyphs = Length(text) * 3 / 2 + 16;
  if (FAILED(uniscribe->ScriptStringAnalyse(dc, WideView(text).data(), Length(text), glyphs, -1,
                                            SSA_GLYPHS | SSA_FALLBACK, 0, nullptr, nullptr, nullptr, nullptr,
                                            nullptr, analysis.put())))
    return {};
  return analysis;
}

}  // namespace

UnitMapping::UnitMapping(HDC dc, const PictureFrame& frame) : dc_(dc) {
  if (!frame.Scaled()) return;
  previousMode_ = SetMapMode(dc, MM_ANISOTROPIC);
  // The window extent first: under MM_ANISOTROPIC the viewport is set against it.
  SetWindowExtEx(dc, frame.Width, frame.Height, &previousWindow_);
  SetViewportExtEx(dc, frame.PixelWidth, frame.PixelHeight, &previousViewport_);
}

UnitMapping::~UnitMapping() {
  if (!previousMode_) return;
  SetMapMode(dc_, previousMode_);
  // Extents only count, and can only be set, in the scalable modes.
  if (previousMode_ == MM_ANISOTROPIC || previousMode_ == MM_ISOTROPIC) {
    SetWindowExtEx(dc_, previousWindow_.cx, previousWindow_.cy, nullptr);
    SetViewportExtEx(dc_, previousViewport_.cx, previousViewport_.cy, nullptr);
  }
}

GdiCanvas::GdiCanvas(HDC dc, GdiTally& tally, const PictureFrame& frame)
    : dc_(dc), tally_(tally), mapping_(dc, frame), pen_(dc), brush_(dc), fontSlot_(dc) {
  font_.lfHeight = 15;
  font_.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(font_.lfFaceName, L"Tahoma", LF_FACESIZE);
}

void GdiCanvas::SelectPen(const PenSpec& pen) {
  pen_.Select(OwnedGdiObject(CreatePen(PS_SOLID, pen.Width, pen.Colour), tally_), tally_);
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

// Texts of the basic plane alone, which are all the picture's own texts, go
// the plain way, so their pixels stay as they are.
void GdiCanvas::Text(Point p, std::u16string_view text) {
  if (HasSurrogates(text)) {
    if (const UniqueScriptString whole = AnalyseWhole(dc_, text)) {
      LoadUniscribe()->ScriptStringOut(whole.get(), p.X, p.Y, 0, nullptr, 0, 0, FALSE);
      return;
    }
  }
  TextOutW(dc_, p.X, p.Y, WideView(text).data(), Length(text));
}

TextExtent GdiCanvas::MeasureText(std::u16string_view text) {
  SIZE size{};
  // The cell height is the font's whatever the characters; the width is the
  // drawn one's.
  GetTextExtentPoint32W(dc_, WideView(text).data(), Length(text), &size);
  if (HasSurrogates(text)) {
    if (const UniqueScriptString whole = AnalyseWhole(dc_, text)) {
      if (const SIZE* drawn = LoadUniscribe()->ScriptString_pSize(whole.get())) size.cx = drawn->cx;
    }
  }
  return {size.cx, size.cy};
}
