// cairo drawing of the picture. Shapes are drawn without smoothing, as GDI
// draws them; text is smoothed in grey, as Wine's GDI smooths it.
#include "cairo_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cairo_shaped_text.h"
#include "text_utf.h"

namespace {

// GDI slants a face that has no italic of its own by a quarter of the height.
constexpr double ItalicSlant = 0.25;

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, const CairoFonts& fonts)
    : cr_(cr),
      fonts_(fonts),
      smooth_(cairo_font_options_create()),
      sharp_(cairo_font_options_create()),
      font_(fonts.Default()) {
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
  for (cairo_font_options_t* options : {smooth_.get(), sharp_.get()}) {
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  }
  cairo_font_options_set_antialias(smooth_.get(), CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_antialias(sharp_.get(), CAIRO_ANTIALIAS_NONE);
}

CairoCanvas::CairoCanvas(CairoContext owned, const CairoFonts& fonts) : CairoCanvas(owned.get(), fonts) {
  owned_ = std::move(owned);
}

std::unique_ptr<Canvas> CairoCanvas::ForMeasuring(const CairoFonts& fonts) {
  // The context keeps its surface; a pixel is all a measurement needs.
  const CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1));
  CairoContext cr(cairo_create(surface.get()));
  return std::make_unique<CairoCanvas>(std::move(cr), fonts);
}

CairoCanvas::~CairoCanvas() { cairo_restore(cr_); }

void CairoCanvas::UseColour(Colour c) {
  cairo_set_source_rgb(cr_, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

void CairoCanvas::StrokeWithPen() {
  // A pen is at least one pixel wide; wide pens end and join round.
  const double width = std::max(1, pen_.Width);
  cairo_set_line_width(cr_, width);
  const bool round = width > 1;
  cairo_set_line_cap(cr_, round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
  UseColour(pen_.Colour);
  cairo_stroke(cr_);
}

void CairoCanvas::SelectPen(const PenSpec& pen) { pen_ = pen; }
void CairoCanvas::SelectBrush(Colour colour) { brush_ = colour; }
void CairoCanvas::SetTextColor(Colour colour) { textColour_ = colour; }
void CairoCanvas::SetTransparentMode() { transparent_ = true; }

void CairoCanvas::SelectFont(const FontSpec& font) {
  cellHeight_ = font.Height;
  font_ = fonts_.Tahoma(font.Height, font.Italic);
  italic_ = font.Italic;
}

void CairoCanvas::Rectangle(const Box& b) {
  const double l = b.Left, t = b.Top, r = b.Right, bottom = b.Bottom;
  if (r <= l || bottom <= t) return;
  cairo_rectangle(cr_, l, t, r - l, bottom - t);
  UseColour(brush_);
  cairo_fill(cr_);
  // The outline runs through the outermost pixels' centres.
  cairo_rectangle(cr_, l + 0.5, t + 0.5, r - l - 1, bottom - t - 1);
  StrokeWithPen();
}

void CairoCanvas::EllipsePath(double l, double t, double r, double b) {
  const double rx = (r - l - 1) / 2, ry = (b - t - 1) / 2;
  cairo_save(cr_);
  cairo_translate(cr_, (l + r) / 2, (t + b) / 2);
  cairo_scale(cr_, std::max(rx, 0.01), std::max(ry, 0.01));
  cairo_arc(cr_, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr_);
}

void CairoCanvas::Ellipse(const Box& b) {
  const double l = b.Left, t = b.Top, r = b.Right, bottom = b.Bottom;
  if (r <= l || bottom <= t) return;
  EllipsePath(l, t, r, bottom);
  UseColour(brush_);
  cairo_fill_preserve(cr_);
  StrokeWithPen();
}

void CairoCanvas::Arc(const Box& b, Point start, Point end) {
  const double l = b.Left, t = b.Top, r = b.Right, bottom = b.Bottom;
  if (r <= l || bottom <= t) return;
  const double cx = (l + r) / 2, cy = (t + bottom) / 2;
  const double rx = std::max((r - l - 1) / 2, 0.01), ry = std::max((bottom - t - 1) / 2, 0.01);
  // The rays from the centre through the two points, measured on the ellipse
  // stretched to a circle; y grows downwards, so falling angles run
  // counterclockwise on the screen. Rays that coincide give the whole ellipse.
  const double from = std::atan2((start.Y - cy) / ry, (start.X - cx) / rx);
  double to = std::atan2((end.Y - cy) / ry, (end.X - cx) / rx);
  if (to == from) to -= 2 * std::numbers::pi;
  cairo_new_path(cr_);
  cairo_save(cr_);
  cairo_translate(cr_, cx, cy);
  cairo_scale(cr_, rx, ry);
  cairo_arc_negative(cr_, 0, 0, 1, from, to);
  cairo_restore(cr_);
  StrokeWithPen();
}

void CairoCanvas::MoveTo(Point p) {
  penX_ = p.X;
  penY_ = p.Y;
}

void CairoCanvas::LineTo(Point p) {
  const double x = p.X, y = p.Y;
  cairo_move_to(cr_, penX_ + 0.5, penY_ + 0.5);
  cairo_line_to(cr_, x + 0.5, y + 0.5);
  StrokeWithPen();
  penX_ = x;
  penY_ = y;
}

void CairoCanvas::UseFont(bool forDrawing) {
  cairo_set_font_face(cr_, forDrawing ? font_.Face : font_.Measure);
  // GDI measures every size by its outlines hinted for smoothing, whether it
  // then draws them smoothed or not.
  cairo_set_font_options(cr_, font_.Smooth || !forDrawing ? smooth_.get() : sharp_.get());
  // Glyph space has y downwards: a point above the baseline moves right.
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, font_.Ppem, 0, italic_ ? -ItalicSlant * font_.Ppem : 0, font_.Ppem, 0, 0);
  cairo_set_font_matrix(cr_, &matrix);
}

// Each glyph at the advance it is drawn at, from (x, y) on the baseline: at
// a size the font holds bitmaps for, drawn unsmoothed, the bitmap's own, else
// the hinted outline's, as the GDI canvas places its letters; the text
// measures as it is drawn.
CairoCanvas::PlacedGlyphs CairoCanvas::Place(const std::string& utf8, double x, double y) {
  UseFont(!font_.Smooth);
  cairo_scaled_font_t* advancing = cairo_get_scaled_font(cr_);
  PlacedGlyphs placed;
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(advancing, x, y, utf8.data(), static_cast<int>(utf8.size()), &glyphs,
                                       &count, nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
    return placed;
  placed.Glyphs.reset(glyphs);
  placed.Count = count;
  cairo_text_extents_t extents;
  cairo_scaled_font_glyph_extents(advancing, glyphs, count, &extents);
  placed.Advance = std::lround(extents.x_advance);
  return placed;
}

void CairoCanvas::Text(Point p, std::u16string_view text) {
  const double x = p.X, y = p.Y;
  if (NeedsShapedText(fonts_, text)) {
    if (!transparent_) {
      const ShapedExtent extent = MeasureShapedText(fonts_, text, cellHeight_, italic_);
      cairo_rectangle(cr_, x, y, extent.Width, extent.Height);
      UseColour(White);
      cairo_fill(cr_);
    }
    UseColour(textColour_);
    DrawShapedText(cr_, fonts_, text, cellHeight_, italic_, x, y);
    return;
  }
  const PlacedGlyphs placed = Place(Utf8FromUtf16(text), x, y + font_.Ascent);
  UseFont(true);
  if (!transparent_) {
    // An opaque text first fills its cell with the surface's white background.
    cairo_rectangle(cr_, x, y, placed.Advance, font_.Ascent + font_.Descent);
    UseColour(White);
    cairo_fill(cr_);
  }
  UseColour(textColour_);
  if (placed.Count > 0) cairo_show_glyphs(cr_, placed.Glyphs.get(), placed.Count);
  cairo_new_path(cr_);
}

TextExtent CairoCanvas::MeasureText(std::u16string_view text) {
  if (NeedsShapedText(fonts_, text)) {
    const ShapedExtent shaped = MeasureShapedText(fonts_, text, cellHeight_, italic_);
    return {shaped.Width, shaped.Height, shaped.InkLeft, shaped.InkRight, shaped.InkAbove, shaped.InkBelow};
  }
  const PlacedGlyphs placed = Place(Utf8FromUtf16(text), 0, font_.Ascent);
  const std::int32_t cell = font_.Ascent + font_.Descent;
  TextExtent extent{placed.Advance, cell};
  if (placed.Count == 0) return extent;
  // The ink box of the glyphs as drawn (from the font's bitmaps at some
  // sizes) and of their outlines, as GDI counts both, slant included; the
  // bearings are from the first glyph's place on the baseline, the ascent
  // below the cell's top.
  const auto outward = [](double beyond) { return std::max(0, static_cast<std::int32_t>(std::ceil(beyond))); };
  for (const bool drawn : {true, false}) {
    UseFont(drawn);
    cairo_text_extents_t ink;
    cairo_glyph_extents(cr_, placed.Glyphs.get(), placed.Count, &ink);
    if (ink.width <= 0) continue;
    extent.InkBefore = std::max(extent.InkBefore, outward(-ink.x_bearing));
    extent.InkAfter = std::max(extent.InkAfter, outward(ink.x_bearing + ink.width - placed.Advance));
    extent.InkAbove = std::max(extent.InkAbove, outward(-(font_.Ascent + ink.y_bearing)));
    extent.InkBelow = std::max(extent.InkBelow, outward(font_.Ascent + ink.y_bearing + ink.height - cell));
  }
  return extent;
}
