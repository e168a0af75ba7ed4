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
  glyphs_.clear();
  ascent_ = -1;
}

// The selected font's cell and whether it is drawn smoothed, read once for it.
void GdiCanvas::ReadFont() {
  if (ascent_ >= 0) return;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  ascent_ = metrics.tmAscent;
  descent_ = metrics.tmDescent;
  cell_ = metrics.tmHeight;
  smooth_ = DrawnSmooth(metrics.tmHeight - metrics.tmInternalLeading);
}

// Whether the selected font is drawn smoothed, from its outlines: a made-up
// italic always, an upright size where the font's gasp table asks for grey
// (or where it has none); else from monochrome glyphs, its own bitmaps where
// it holds them.
bool GdiCanvas::DrawnSmooth(std::int32_t ppem) const {
  if (font_.lfItalic) return true;
  const DWORD tag = 'p' << 24 | 's' << 16 | 'a' << 8 | 'g';  // "gasp" in the file's byte order
  const DWORD size = GetFontData(dc_, tag, 0, nullptr, 0);
  if (size == GDI_ERROR || size < 4) return true;
  std::vector<unsigned char> gasp(size);
  if (GetFontData(dc_, tag, 0, gasp.data(), size) != size) return true;
  const auto word = [&gasp](std::size_t at) { return static_cast<unsigned>(gasp[at] << 8 | gasp[at + 1]); };
  for (std::size_t range = 0, at = 4; range < word(2) && at + 4 <= size; ++range, at += 4)
    if (static_cast<unsigned>(ppem) <= word(at)) return (word(at + 2) & 0x0002) != 0;  // the range's "grey" flag
  return true;
}

// A letter's advance is the one it is drawn at: Wine draws a size it does not
// smooth at the monochrome glyph's advance, though it measures every size by
// the outlines ("Liver Meridian" at 8 pixels drew 56 wide and measured 38;
// "Use an Evolution of your Intelligence" at 16, 207 and 220). Its ink is
// that of the outline and, for a monochrome glyph, of its bitmap too.
const GdiCanvas::Glyph* GdiCanvas::GlyphOf(char16_t c) {
  auto known = std::find_if(glyphs_.begin(), glyphs_.end(), [c](const auto& entry) { return entry.first == c; });
  if (known != glyphs_.end()) return known->second ? &*known->second : nullptr;
  ReadFont();
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS outline{}, bitmap{};
  std::optional<Glyph> glyph;
  if (GetGlyphOutlineW(dc_, c, GGO_METRICS, &outline, 0, nullptr, &identity) != GDI_ERROR) {
    const bool monochrome =
        !smooth_ && GetGlyphOutlineW(dc_, c, GGO_BITMAP, &bitmap, 0, nullptr, &identity) != GDI_ERROR;
    glyph = Glyph{monochrome ? bitmap.gmCellIncX : outline.gmCellIncX};
    // A blank glyph has a box of one pixel at its origin: no ink to count.
    for (const GLYPHMETRICS* g : {&outline, &bitmap}) {
      if (c == u' ' || (g == &bitmap && !monochrome)) break;
      const std::int32_t left = g->gmptGlyphOrigin.x, top = g->gmptGlyphOrigin.y;
      glyph->Before = std::max(glyph->Before, -left);
      glyph->After = std::max(glyph->After, left + static_cast<std::int32_t>(g->gmBlackBoxX) - glyph->Advance);
      glyph->Above = std::max(glyph->Above, top);
      glyph->Below = std::max(glyph->Below, static_cast<std::int32_t>(g->gmBlackBoxY) - top);
    }
  }
  glyphs_.emplace_back(c, glyph);
  return glyphs_.back().second ? &*glyphs_.back().second : nullptr;
}

bool GdiCanvas::Advances(std::u16string_view text, std::vector<INT>& advances) {
  advances.clear();
  for (const char16_t c : text) {
    const Glyph* glyph = GlyphOf(c);
    if (!glyph) return false;
    advances.push_back(glyph->Advance);
  }
  return true;
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
  // Each letter at the advance it was measured at.
  const int length = Length(text);
  std::vector<INT> advances;
  if (length > 0 && Advances(text, advances)) {
    ExtTextOutW(dc_, p.X, p.Y, 0, nullptr, WideView(text).data(), static_cast<UINT>(length), advances.data());
    return;
  }
  TextOutW(dc_, p.X, p.Y, WideView(text).data(), length);
}

TextExtent GdiCanvas::MeasureText(std::u16string_view text) {
  ReadFont();
  // The cell height is the font's whatever the characters.
  TextExtent extent{0, cell_};
  std::vector<INT> advances;
  if (HasSurrogates(text) || !Advances(text, advances)) {
    SIZE size{};
    GetTextExtentPoint32W(dc_, WideView(text).data(), Length(text), &size);
    extent.Width = size.cx;
    if (HasSurrogates(text)) {
      if (const UniqueScriptString whole = AnalyseWhole(dc_, text)) {
        if (const SIZE* drawn = LoadUniscribe()->ScriptString_pSize(whole.get())) extent.Width = drawn->cx;
      }
    }
    return extent;
  }
  if (text.empty()) return extent;
  // The letters stand at their advances; only the first can reach left of
  // the text and, in practice, only the last beyond its end (the slant of an
  // italic, a hook, a bitmap wider than its advance). An accent or a
  // descender can reach past the cell the font's rounded ascent and descent make.
  for (const INT advance : advances) extent.Width += advance;
  extent.InkBefore = GlyphOf(text.front())->Before;
  extent.InkAfter = GlyphOf(text.back())->After;
  for (const char16_t c : text) {
    const Glyph* glyph = GlyphOf(c);
    extent.InkAbove = std::max(extent.InkAbove, glyph->Above - ascent_);
    extent.InkBelow = std::max(extent.InkBelow, glyph->Below - descent_);
  }
  return extent;
}
