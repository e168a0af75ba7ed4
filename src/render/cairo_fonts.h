// The fonts of the picture for the cairo canvas: Tahoma for every text, and the
// "System" font a fresh GDI surface draws the stars in. Each is sized
// the way GDI makes a font of a given cell height, so texts measure as on Windows.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cairo_owners.h"
#include "canvas.h"

// A font made for one cell height, in device pixels.
struct CellFont {
  cairo_font_face_t* Face = nullptr;     // draws the glyphs
  cairo_font_face_t* Measure = nullptr;  // measures: GDI's extents come from the hinted outlines
  double Ppem = 0;                       // pixels per em: the size cairo is given
  bool Smooth = true;                    // GDI draws its stock System font without smoothing
  std::int32_t Ascent = 0;               // cell top to baseline
  std::int32_t Descent = 0;              // baseline to cell bottom
};

// Where the fonts live: Wine's own fonts (Debian's fonts-wine) hold a Tahoma
// and the System font made to measure as Windows' do.
inline constexpr char WineFontFolder[] = "/usr/share/wine/fonts";

class CairoFonts {
public:
  // Finds the faces once for the process: Wine's Tahoma, else one known to
  // fontconfig, else fontconfig's stand-in for it; Wine's System font, else
  // Tahoma. Throws std::runtime_error when no font file can be had at all.
  CairoFonts();

  // Tahoma with a cell of `cellHeight` pixels (GDI's positive font height).
  // Upright, a size the font holds bitmaps for is drawn from them, as GDI
  // does; GDI slants the outlines for italic, having no italic face.
  CellFont Tahoma(std::int32_t cellHeight, bool italic) const { return Size(tahoma_, cellHeight, italic); }
  // The surface's default font (GDI's stock System font, 16 pixels high).
  CellFont Default() const {
    CellFont font = Size(system_, DefaultFontHeight, false);
    font.Smooth = false;
    return font;
  }

  const std::string& TahomaFile() const { return tahoma_.File; }
  const std::string& DefaultFile() const { return system_.File; }

private:
  struct Face {
    std::string File;
    CairoFontFace Cairo;          // with the font's own bitmaps where it has them
    CairoFontFace Outline;        // outlines only
    std::int32_t UnitsPerEm = 0;  // 0: a font of bitmaps in one size only
    std::int32_t CellUnits = 0;   // ascent + descent in font units (Windows metrics)
    std::int32_t AscentUnits = 0;
    // Whether the font asks to be smoothed at each size (its gasp table),
    // by pixels to the em; sizes past the end as the last.
    std::vector<bool> GrayAtPpem;
    CellFont Fixed;  // the one size of a bitmap font
  };

  static Face Load(const std::string& file);
  static CellFont Size(const Face& face, std::int32_t cellHeight, bool outline);

  Face tahoma_;
  Face system_;
};
