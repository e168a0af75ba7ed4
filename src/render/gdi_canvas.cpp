// GDI drawing for the picture; results of the drawing calls are not examined,
// a failed step leaves the rest of the picture as drawn.
#include "gdi_canvas.h"

#include <algorithm>
#include <vector>

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

GdiCanvas::GdiCanvas(HDC dc, GdiTally& tally) : dc_(dc), tally_(tally), pen_(dc), brush_(dc), fontSlot_(dc) {
  font_.lfHeight = 15;
  font_.lfCharSet = DEFAULT_CHARSET;
  static_assert(std::size(FontFace) <= LF_FACESIZE);
  std::copy(std::begin(FontFace), std::end(FontFace), font_.lfFaceName);  // ASCII, with its NUL
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
  glyphInk_.clear();
  ascent_ = -1;
}

GdiCanvas::GlyphInk GdiCanvas::InkOf(char16_t c, bool asBitmapToo) {
  auto known = std::find_if(glyphInk_.begin(), glyphInk_.end(), [c](const auto& entry) { return entry.first == c; });
  if (known != glyphInk_.end() && (known->second.BitmapCounted || !asBitmapToo)) return known->second;
  const auto keep = [&](const GlyphInk& ink) -> GlyphInk {
    if (known != glyphInk_.end()) return known->second = ink;
    glyphInk_.emplace_back(c, ink);
    return ink;
  };
  GlyphInk ink;
  GLYPHMETRICS glyph{};
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  // A blank glyph has a box of one pixel at its origin: no ink to count. A
  // font without outlines (the stock raster font) has none to tell. A size
  // the font holds bitmaps for may be drawn from them (unsmoothed) or from the
  // outlines, at the outlines' advance (see Text): the ink of either counts,
  // against that advance.
  if (c == u' ' || GetGlyphOutlineW(dc_, c, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR) {
    ink.BitmapCounted = true;
    return keep(ink);
  }
  const std::int32_t advance = glyph.gmCellIncX;
  const auto count = [&](const GLYPHMETRICS& g) {
    const std::int32_t left = g.gmptGlyphOrigin.x, top = g.gmptGlyphOrigin.y;
    ink.Before = std::max(ink.Before, -left);
    ink.After = std::max(ink.After, left + static_cast<std::int32_t>(g.gmBlackBoxX) - advance);
    ink.Above = std::max(ink.Above, top);
    ink.Below = std::max(ink.Below, static_cast<std::int32_t>(g.gmBlackBoxY) - top);
  };
  count(glyph);
  if (asBitmapToo) {
    if (GetGlyphOutlineW(dc_, c, GGO_BITMAP, &glyph, 0, nullptr, &identity) != GDI_ERROR) count(glyph);
    ink.BitmapCounted = true;
  }
  return keep(ink);
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
  // Wine draws a size the font holds bitmaps for at the bitmaps' advances,
  // though it measures the text by the outlines' (at 15 pixels "Gall Bladder
  // Meridian" ends 10 pixels short of its measure, at 8 pixels "Liver
  // Meridian" 16 beyond it); Windows draws at the measured advances. Handing
  // the measured advances to the drawing puts every letter where the text
  // was measured, on both.
  const int length = Length(text);
  std::vector<INT> advances(static_cast<std::size_t>(length));
  SIZE size{};
  if (length > 0 &&
      GetTextExtentExPointW(dc_, WideView(text).data(), length, 0, nullptr, advances.data(), &size)) {
    for (std::size_t i = advances.size() - 1; i > 0; --i) advances[i] -= advances[i - 1];
    ExtTextOutW(dc_, p.X, p.Y, 0, nullptr, WideView(text).data(), static_cast<UINT>(length), advances.data());
    return;
  }
  TextOutW(dc_, p.X, p.Y, WideView(text).data(), length);
}

TextExtent GdiCanvas::MeasureText(std::u16string_view text) {
  SIZE size{};
  // The cell height is the font's whatever the characters; the width is the
  // drawn one's.
  GetTextExtentPoint32W(dc_, WideView(text).data(), Length(text), &size);
  TextExtent extent{size.cx, size.cy};
  if (HasSurrogates(text)) {
    if (const UniqueScriptString whole = AnalyseWhole(dc_, text)) {
      if (const SIZE* drawn = LoadUniscribe()->ScriptString_pSize(whole.get())) extent.Width = drawn->cx;
    }
    return extent;
  }
  if (text.empty()) return extent;
  // The letters stand at their advances; only the first can reach left of
  // the text and, in practice, only the last beyond its end (the slant of an
  // italic, a hook, a bitmap a pixel wider than its outline). An accent or a
  // descender can reach past the cell the font's rounded ascent and descent make.
  extent.InkBefore = InkOf(text.front(), true).Before;
  extent.InkAfter = InkOf(text.back(), true).After;
  if (ascent_ < 0) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    ascent_ = metrics.tmAscent;
    descent_ = metrics.tmDescent;
  }
  for (const char16_t c : text) {
    const GlyphInk ink = InkOf(c, false);
    extent.InkAbove = std::max(extent.InkAbove, ink.Above - ascent_);
    extent.InkBelow = std::max(extent.InkBelow, ink.Below - descent_);
  }
  return extent;
}
