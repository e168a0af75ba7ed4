// Owners of the C library handles the cairo canvas and its fonts use: each one
// gives its handle back to the one call that releases it.
#pragma once

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

template <auto Release>
struct ReleaseWith {
  template <typename T>
  void operator()(T* handle) const {
    Release(handle);
  }
};

using CairoContext = std::unique_ptr<cairo_t, ReleaseWith<cairo_destroy>>;
using CairoSurface = std::unique_ptr<cairo_surface_t, ReleaseWith<cairo_surface_destroy>>;
using CairoFontFace = std::unique_ptr<cairo_font_face_t, ReleaseWith<cairo_font_face_destroy>>;
using CairoFontOptions = std::unique_ptr<cairo_font_options_t, ReleaseWith<cairo_font_options_destroy>>;
using FcPatternOwner = std::unique_ptr<FcPattern, ReleaseWith<FcPatternDestroy>>;
using FtLibrary = std::unique_ptr<FT_LibraryRec_, ReleaseWith<FT_Done_FreeType>>;
using FtFace = std::unique_ptr<FT_FaceRec_, ReleaseWith<FT_Done_Face>>;
