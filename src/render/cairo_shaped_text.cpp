// Shaped texts measured and drawn through Pango. Pango is the one library of
// Debian's that does all three over cairo: fallback fonts, shaping and
// bidirectional order (HarfBuzz alone neither falls back nor orders; Raqm
// orders and shapes but leaves the fonts to its caller). A desktop that runs
// XScreenSaver has it already, through GTK.
#include "cairo_shaped_text.h"

#include <glib-object.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "text_utf.h"

namespace {

template <typename T>
using GOwner = std::unique_ptr<T, ReleaseWith<g_object_unref>>;
using FcConfigOwner = std::unique_ptr<FcConfig, ReleaseWith<FcConfigDestroy>>;
using PangoFontDescriptionOwner = std::unique_ptr<PangoFontDescription, ReleaseWith<pango_font_description_free>>;

// Characters that are drawn differently in context: right-to-left scripts
// (and their presentation forms), the scripts of India and South-East Asia,
// conjoining jamo, combining marks, variation selectors, joiners and the
// direction marks, embeddings and isolates.
bool ShapedScript(char32_t c) {
  constexpr std::pair<char32_t, char32_t> ranges[] = {
      {0x0300, 0x036F},   {0x0483, 0x0489},   {0x0590, 0x08FF},   {0x0900, 0x0DFF}, {0x0E00, 0x0FFF},
      {0x1000, 0x109F},   {0x1100, 0x11FF},   {0x1700, 0x18AF},   {0x1900, 0x1CFF}, {0x1DC0, 0x1DFF},
      {0x200C, 0x200F},   {0x202A, 0x202E},   {0x2066, 0x2069},   {0x20D0, 0x20FF}, {0xA800, 0xABFF},
      {0xFB1D, 0xFDFF},   {0xFE00, 0xFE0F},   {0xFE20, 0xFE2F},   {0xFE70, 0xFEFF}, {0x10800, 0x10FFF},
      {0x11000, 0x11FFF}, {0x1E800, 0x1EFFF}, {0xE0100, 0xE01EF},
  };
  return std::any_of(std::begin(ranges), std::end(ranges),
                     [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// Which characters Tahoma has, read from its character map once for the
// process; the text the picture mostly draws never starts fontconfig.
class TahomaCoverage {
public:
  explicit TahomaCoverage(const std::string& file) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library)) return;
    library_.reset(library);
    FT_Face face = nullptr;
    if (!FT_New_Face(library, file.c_str(), 0, &face)) face_.reset(face);
  }
  bool Has(char32_t c) const { return face_ && FT_Get_Char_Index(face_.get(), c) != 0; }

private:
  FtLibrary library_;
  FtFace face_;  // declared last: gone before its library
};

// The system's fonts as fontconfig knows them, with Wine's Tahoma added (it
// lies outside fontconfig's folders) so that it comes first for the letters it
// has, and a Pango context that hints and smooths as the canvas does.
class ShapingFonts {
public:
  explicit ShapingFonts(const std::string& tahomaFile) : config_(FcInitLoadConfigAndFonts()) {
    if (!config_) throw std::runtime_error("fontconfig could not load its configuration");
    FcConfigAppFontAddFile(config_.get(), reinterpret_cast<const FcChar8*>(tahomaFile.c_str()));
    // Tahoma as the canvas (and GDI) draws it, so the Latin part of a mixed
    // text looks as the texts around it: upright from its own bitmaps where it
    // has them, italic slanted by a quarter of the height (fontconfig's own
    // slant is a fifth).
    const std::string family = std::string(R"(<test name="family"><string>)") + FontFace + "</string></test>";
    const std::string rules = R"(<fontconfig>
      <match target="font">)" +
                              family + R"(
        <test target="pattern" name="slant" compare="eq"><const>roman</const></test>
        <edit name="embeddedbitmap" mode="assign"><bool>true</bool></edit></match>
      <match target="font">)" +
                              family + R"(
        <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
        <edit name="matrix" mode="assign"><matrix><double>1</double><double>0.25</double>
          <double>0</double><double>1</double></matrix></edit></match></fontconfig>)";
    FcConfigParseAndLoadFromMemory(config_.get(), reinterpret_cast<const FcChar8*>(rules.c_str()), FcFalse);
    map_.reset(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
    if (!map_) throw std::runtime_error("Pango has no FreeType fonts");
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map_.get()), config_.get());
    context_.reset(pango_font_map_create_context(map_.get()));
    const CairoFontOptions options(cairo_font_options_create());
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(context_.get(), options.get());
    // The picture reads left to right; a text of another direction is
    // isolated within it (see Layout).
    pango_context_set_base_dir(context_.get(), PANGO_DIRECTION_LTR);
  }

  // One line of text at ppem pixels to the em: the text set between U+2068
  // FIRST STRONG ISOLATE and U+2069 POP DIRECTIONAL ISOLATE, so its first
  // strong letter gives its direction and nothing in it reorders the line.
  GOwner<PangoLayout> Layout(std::u16string_view text, double ppem, bool italic) const {
    GOwner<PangoLayout> layout(pango_layout_new(context_.get()));
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_auto_dir(layout.get(), FALSE);
    const std::string isolated = "\u2068" + Utf8FromUtf16(text) + "\u2069";
    pango_layout_set_text(layout.get(), isolated.data(), static_cast<int>(isolated.size()));
    const PangoFontDescriptionOwner font(pango_font_description_new());
    pango_font_description_set_family_static(font.get(), FontFace);
    pango_font_description_set_absolute_size(font.get(), ppem * PANGO_SCALE);
    // Tahoma has no italic: fontconfig slants it, as GDI does (see above).
    pango_font_description_set_style(font.get(), italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), font.get());
    return layout;
  }

private:
  FcConfigOwner config_;
  GOwner<PangoFontMap> map_;
  GOwner<PangoContext> context_;  // declared last: gone before its font map
};

// Made at the first text that needs them and kept for the process, as
// fontconfig and Pango keep their own caches; the process has one Tahoma.
// Not for several threads at once (the hack draws on one).
const TahomaCoverage& Coverage(const CairoFonts& fonts) {
  static const TahomaCoverage coverage(fonts.TahomaFile());
  return coverage;
}
const ShapingFonts& Shaping(const CairoFonts& fonts) {
  static const ShapingFonts shaping(fonts.TahomaFile());
  return shaping;
}

std::int32_t Pixels(int pangoUnits, bool up) {
  const double pixels = static_cast<double>(pangoUnits) / PANGO_SCALE;
  return static_cast<std::int32_t>(up ? std::ceil(pixels) : std::lround(pixels));
}

}  // namespace

bool NeedsShapedText(const CairoFonts& fonts, std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0x20 && c < 0x7F) continue;  // ASCII, which Tahoma has whole
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (ShapedScript(c) || !Coverage(fonts).Has(c)) return true;
  }
  return false;
}

ShapedExtent MeasureShapedText(const CairoFonts& fonts, std::u16string_view text, std::int32_t cellHeight,
                               bool italic) {
  const CellFont cell = fonts.Tahoma(cellHeight, italic);
  const GOwner<PangoLayout> layout = Shaping(fonts).Layout(text, cell.Ppem, italic);
  PangoRectangle ink{}, logical{};
  pango_layout_get_extents(layout.get(), &ink, &logical);
  ShapedExtent extent;
  extent.Width = Pixels(logical.width, false);
  extent.Height = cell.Ascent + cell.Descent;
  if (ink.width > 0) {
    extent.InkLeft = std::max(0, Pixels(logical.x - ink.x, true));
    extent.InkRight = std::max(0, Pixels(ink.x + ink.width - logical.x - logical.width, true));
    // The line's baseline stands where Tahoma's would, its ascent below the cell's top.
    const int baseline = pango_layout_get_baseline(layout.get());
    extent.InkAbove = std::max(0, Pixels(baseline - ink.y, true) - cell.Ascent);
    extent.InkBelow = std::max(0, cell.Ascent + Pixels(ink.y + ink.height - baseline, true) - extent.Height);
  }
  return extent;
}

void DrawShapedText(cairo_t* cr, const CairoFonts& fonts, std::u16string_view text, std::int32_t cellHeight,
                    bool italic, double x, double y) {
  const CellFont cell = fonts.Tahoma(cellHeight, italic);
  const GOwner<PangoLayout> layout = Shaping(fonts).Layout(text, cell.Ppem, italic);
  cairo_move_to(cr, x, y + cell.Ascent);
  pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout.get(), 0));
  cairo_new_path(cr);
}
