// Finding and sizing the picture's fonts for cairo. The sizing follows GDI as
// Wine implements it, so the cairo picture measures its texts as the Windows
// picture does under Wine with the same font files.
#include "cairo_fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_GASP_H

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

// The file fontconfig holds for this family, or nothing. Unless allowed, a
// stand-in for a missing family does not count: it measures differently.
std::string FontconfigFile(const char* family, bool allowStandIn) {
  FcPatternOwner pattern(FcNameParse(reinterpret_cast<const FcChar8*>(family)));
  if (!pattern) return {};
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FcPatternOwner match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return {};
  FcChar8* found = nullptr;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &found) != FcResultMatch ||
      FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
    return {};
  if (!allowStandIn && FcStrCmpIgnoreCase(found, reinterpret_cast<const FcChar8*>(family)) != 0) return {};
  return reinterpret_cast<const char*>(file);
}

std::string WineFont(const char* name) {
  const std::filesystem::path path = std::filesystem::path(WineFontFolder) / name;
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? path.string() : std::string();
}

// FreeType's 16.16 fixed-point helpers, rounding as FreeType does.
std::int64_t DivFix(std::int64_t a, std::int64_t b) { return ((a << 16) + b / 2) / b; }
std::int64_t MulFix(std::int64_t a, std::int64_t b) { return (a * b + 0x8000) >> 16; }
std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  return static_cast<std::int32_t>((a * b + c / 2) / c);
}

}  // namespace

CairoFonts::CairoFonts() {
  // Wine's Tahoma first: it is the one the Windows picture is measured against
  // here, and opening it by name spares the start the reading of fontconfig's
  // configuration.
  std::string tahoma = WineFont("tahoma.ttf");
  if (tahoma.empty()) tahoma = FontconfigFile(FontFace, false);
  if (tahoma.empty()) tahoma = FontconfigFile(FontFace, true);
  if (tahoma.empty()) throw std::runtime_error("no font file found (not even a stand-in for Tahoma)");
  tahoma_ = Load(tahoma);
  const std::string system = WineFont("system.ttf");
  system_ = Load(system.empty() ? tahoma : system);
}

CairoFonts::Face CairoFonts::Load(const std::string& file) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) throw std::runtime_error("FreeType could not start");
  FtLibrary libraryOwner(library);
  FT_Face ftFace = nullptr;
  if (FT_New_Face(library, file.c_str(), 0, &ftFace))
    throw std::runtime_error("cannot read the font file " + file);
  FtFace faceOwner(ftFace);

  Face face;
  face.File = file;
  if (FT_IS_SCALABLE(ftFace)) {
    face.UnitsPerEm = ftFace->units_per_EM;
    // GDI draws an upright size unsmoothed where the font's gasp table says
    // so (Tahoma: up to 16 pixels to the em, from its bitmaps where it has them).
    for (int ppem = 0; ppem <= 255; ++ppem) {
      const FT_Int flags = FT_Get_Gasp(ftFace, static_cast<FT_UInt>(ppem));
      face.GrayAtPpem.push_back(flags == FT_GASP_NO_TABLE || (flags & FT_GASP_DO_GRAY) != 0);
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ftFace, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      face.AscentUnits = os2->usWinAscent;
      face.CellUnits = os2->usWinAscent + os2->usWinDescent;
    } else {
      face.AscentUnits = ftFace->ascender;
      face.CellUnits = ftFace->ascender - ftFace->descender;
    }
  } else {
    // Wine's System font holds bitmaps only: its 16-pixel size is the stock font.
    int best = -1;
    for (int i = 0; i < ftFace->num_fixed_sizes; ++i)
      if (best < 0 || std::abs(ftFace->available_sizes[i].height - DefaultFontHeight) <
                          std::abs(ftFace->available_sizes[best].height - DefaultFontHeight))
        best = i;
    if (best < 0 || FT_Select_Size(ftFace, best))
      throw std::runtime_error("the bitmap font " + file + " has no size");
    face.Fixed.Ppem = ftFace->available_sizes[best].y_ppem / 64.0;
    face.Fixed.Ascent = static_cast<std::int32_t>(ftFace->size->metrics.ascender >> 6);
    face.Fixed.Descent = ftFace->available_sizes[best].height - face.Fixed.Ascent;
  }

  // cairo opens the file itself and keeps it for as long as it needs the face.
  // Unless told otherwise, cairo leaves a font's own bitmaps out.
  for (const bool bitmaps : {true, false}) {
    FcPatternOwner pattern(FcPatternCreate());
    if (!pattern) throw std::bad_alloc();
    FcPatternAddString(pattern.get(), FC_FILE, reinterpret_cast<const FcChar8*>(file.c_str()));
    FcPatternAddInteger(pattern.get(), FC_INDEX, 0);
    FcPatternAddBool(pattern.get(), FC_EMBEDDED_BITMAP, bitmaps ? FcTrue : FcFalse);
    CairoFontFace& cairo = bitmaps ? face.Cairo : face.Outline;
    cairo.reset(cairo_ft_font_face_create_for_pattern(pattern.get()));
    if (cairo_font_face_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
      throw std::runtime_error("cairo cannot use the font file " + file);
  }
  return face;
}

// A positive GDI height is the cell, ascent plus descent by the font's Windows
// metrics: the em is scaled to the nearest whole pixel, one less when that
// cell would come out taller than asked; ascent and descent are then each
// rounded to whole pixels at that em, which is how the cell GDI reports is made.
CellFont CairoFonts::Size(const Face& face, std::int32_t cellHeight, bool outline) {
  CellFont font = face.Fixed;
  font.Face = outline && face.UnitsPerEm ? face.Outline.get() : face.Cairo.get();
  font.Measure = face.UnitsPerEm ? face.Outline.get() : face.Cairo.get();
  if (face.UnitsPerEm == 0) return font;
  const std::int32_t height = std::max(cellHeight, 1);
  std::int32_t ppem = MulDiv(face.UnitsPerEm, height, face.CellUnits);
  if (ppem > 1 && MulDiv(face.CellUnits, ppem, face.UnitsPerEm) > height) --ppem;
  ppem = std::max(ppem, 1);
  const std::int64_t scale = DivFix(std::int64_t{ppem} * 64, face.UnitsPerEm);
  font.Ppem = ppem;
  // GDI smooths the slanted outlines of a made-up italic whatever the size.
  const auto& gray = face.GrayAtPpem;
  font.Smooth =
      outline || gray.empty() || gray[std::min<std::size_t>(static_cast<std::size_t>(ppem), gray.size() - 1)];
  font.Ascent = static_cast<std::int32_t>((MulFix(face.AscentUnits, scale) + 32) >> 6);
  font.Descent = static_cast<std::int32_t>((MulFix(face.CellUnits - face.AscentUnits, scale) + 32) >> 6);
  return font;
}
