// The fonts of the picture for the cairo canvas: Tahoma for every text, and the
// bitmap "System" font a fresh GDI surface draws the stars in. Each is sized
// the way GDI makes a font of a given cell height, so texts measure as on Windows.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "cairo_owners.h"

// A font made for one cell height, in device pixels.
struct CellFont {
  cairo_font_face_t* Face = nullptr;
  double Ppem = 0;       // pixels per em: the size cairo is given
  std::int32_t Ascent = 0;   // cell top to baseline
  std::int32_t Descent = 0;  // baseline to cell bottom
};

// Where the fonts live: Wine's own fonts (Debian's fonts-wine) hold a Tahoma
// and the System font made to measure as Windows' do.
inline constexpr char WineFontFolder[] = "/usr/share/wine/fonts";

class CairoFonts {
public:
  // Finds the faces once for the process: a Tahoma known to fontconfig, else
  // Wine's, else fontconfig's stand-in for it; Wine's System font, else
  // Tahoma. Throws std::runtime_error when no font file can be had at all.
  CairoFonts();

  // Tahoma with a cell of `cellHeight` pixels (GDI's positive font height).
  CellFont Tahoma(std::int32_t cellHeight) const { return Size(tahoma_, cellHeight); }
  // The surface's default font (GDI's stock System font, 16 pixels high).
  CellFont Default() const { return Size(system_, DefaultCellHeight); }

  const std::string& TahomaFile() const { return tahoma_.File; }
  const std::string& DefaultFile() const { return system_.File; }

  static constexpr std::int32_t DefaultCellHeight = 16;

private:
  struct Face {
    std::string File;
    CairoFontFace Cairo;
    std::int32_t UnitsPerEm = 0;  // 0: a bitmap font of one fixed size
    std::int32_t CellUnits = 0;   // ascent + descent in font units (Windows metrics)
    std::int32_t AscentUnits = 0;
    std::int32_t FixedAscent = 0, FixedDescent = 0, FixedPpem = 0;  // a bitmap font's one size
  };

  static Face Load(const std::string& file);
  static CellFont Size(const Face& face, std::int32_t cellHeight);

  Face tahoma_;
  Face system_;
};
