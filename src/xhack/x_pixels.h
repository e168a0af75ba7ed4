// The window's pixel values for the picture's colours on any X visual: worked
// out from the masks on a TrueColor visual, taken from the window's colormap on
// every other (allocated where the colormap can give the colour, else the
// nearest it holds), and the picture's image written in the window's pixels.
#pragma once

#include <X11/Xlib.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

// A colour as cairo's RGB24 image keeps it: 0x00RRGGBB.
using Rgb = std::uint32_t;

// The bits of a TrueColor pixel that carry `level` (0 to 255) of a channel
// held in `mask`: the level scaled to the channel's bits, to the nearest.
unsigned long ChannelBits(unsigned level, unsigned long mask);

// Brightness 0 to 255 as a grey screen shows a colour (ITU-R BT.601 weights).
unsigned Luminance(Rgb colour);

// A colormap cell: its pixel value and the colour it shows.
struct ColourCell {
  unsigned long Pixel = 0;
  Rgb Colour = 0;
};
// The cell whose colour lies nearest (the least sum of squared differences of
// the channels; by luminance alone where `grey`); the first of equals. cells
// must not be empty.
const ColourCell& NearestCell(Rgb colour, const std::vector<ColourCell>& cells, bool grey);

// Bits per pixel the server keeps a window of this depth in; 0 if none.
int BitsPerPixel(Display* display, int depth);
// Whether a window of this visual keeps its pixels as cairo's RGB24 image does
// (32 bits, red, green and blue in the low three bytes, this machine's byte
// order), so the picture can be drawn straight into the window's layout.
bool SameLayoutAsCairo(Display* display, Visual* visual, int depth);

class VisualPixels {
public:
  // The pixels of a window of this visual, depth and colormap, or the one-line
  // reason why the hack cannot draw on it, naming the visual ("cannot draw on
  // the window's visual 0x21 (...)", for the program's name to go before).
  static std::variant<std::unique_ptr<VisualPixels>, std::string> For(Display* display, Visual* visual, int depth,
                                                                      Colormap colormap);
  virtual ~VisualPixels() = default;

  // Writes cairo's RGB24 image (rows `stride` bytes apart) as the window's
  // pixels into `out`, an image of the same size in the window's layout,
  // taking from the colormap first what colours the image needs anew.
  virtual void Convert(const unsigned char* rows, int stride, XImage& out) = 0;
};
