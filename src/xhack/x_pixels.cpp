// Pixel values for the picture's colours on each class of X visual, and the
// picture written in them.
#include "x_pixels.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace {

constexpr int NativeByteOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

Rgb ColourOf(const XColor& c) {
  return static_cast<Rgb>(((c.red >> 8) << 16) | ((c.green >> 8) << 8) | (c.blue >> 8));
}

XColor XColourOf(Rgb c) {
  XColor x{};
  x.red = static_cast<unsigned short>(((c >> 16) & 0xFF) * 257);
  x.green = static_cast<unsigned short>(((c >> 8) & 0xFF) * 257);
  x.blue = static_cast<unsigned short>((c & 0xFF) * 257);
  x.flags = DoRed | DoGreen | DoBlue;
  return x;
}

Rgb Grey(unsigned level) { return static_cast<Rgb>(level * 0x010101u); }

const char* ClassName(int visualClass) {
  switch (visualClass) {
    case StaticGray: return "StaticGray";
    case GrayScale: return "GrayScale";
    case StaticColor: return "StaticColor";
    case PseudoColor: return "PseudoColor";
    case TrueColor: return "TrueColor";
    case DirectColor: return "DirectColor";
    default: return "unknown";
  }
}

std::string Named(Visual* visual, int depth) {
  char text[96];
  std::snprintf(text, sizeof text, "the window's visual 0x%lx (%s, depth %d)", XVisualIDFromVisual(visual),
                ClassName(visual->c_class), depth);
  return text;
}

// A line of whole pixels of Word's size, in this machine's byte order.
template <typename Word, typename PixelAt>
void PutWords(unsigned char* line, int width, const PixelAt& pixelAt) {
  for (int x = 0; x < width; ++x) {
    const auto value = static_cast<Word>(pixelAt(x));
    std::memcpy(line + sizeof(Word) * x, &value, sizeof(Word));
  }
}

// Writes every pixel of cairo's image into the window's image through
// pixelOf; whole bytes in this machine's order directly, anything else (a
// server of the other byte order, pixels of 1 or 4 bits) through Xlib.
template <typename PixelOf>
void WritePixels(const unsigned char* rows, int stride, XImage& out, PixelOf&& pixelOf) {
  const int whole = out.bits_per_pixel;
  const int bits = out.byte_order == NativeByteOrder || whole == 8 || whole == 24 ? whole : 0;
  const bool low = out.byte_order == LSBFirst;
  for (int y = 0; y < out.height; ++y) {
    const auto colour = [in = rows + static_cast<std::size_t>(y) * stride](int x) {
      std::uint32_t word;
      std::memcpy(&word, in + 4 * x, 4);
      return static_cast<Rgb>(word & 0xFFFFFFu);
    };
    const auto pixelAt = [&](int x) { return pixelOf(colour(x)); };
    unsigned char* line =
        reinterpret_cast<unsigned char*>(out.data) + static_cast<std::size_t>(y) * out.bytes_per_line;
    switch (bits) {
      case 8: PutWords<std::uint8_t>(line, out.width, pixelAt); break;
      case 16: PutWords<std::uint16_t>(line, out.width, pixelAt); break;
      case 32: PutWords<std::uint32_t>(line, out.width, pixelAt); break;
      case 24:
        for (int x = 0; x < out.width; ++x) {
          const unsigned long pixel = pixelAt(x);
          unsigned char* p = line + 3 * x;
          p[low ? 0 : 2] = static_cast<unsigned char>(pixel);
          p[1] = static_cast<unsigned char>(pixel >> 8);
          p[low ? 2 : 0] = static_cast<unsigned char>(pixel >> 16);
        }
        break;
      default:
        for (int x = 0; x < out.width; ++x) XPutPixel(&out, x, y, pixelAt(x));
        break;
    }
  }
}

// TrueColor: the pixel follows from the masks. DirectColor: each channel
// looks its level up in its own part of the colormap, which the hack fills
// with a ramp of read-only cells where it can (the nearest cells there where
// it cannot): the server's initial contents are no ramp.
class ChannelPixels final : public VisualPixels {
public:
  ChannelPixels(Display* display, Visual* visual, Colormap colormap)
      : masks_{visual->red_mask, visual->green_mask, visual->blue_mask} {
    for (int c = 0; c < 3; ++c)
      for (unsigned level = 0; level < 256; ++level) tables_[c][level] = ChannelBits(level, masks_[c]);
    if (visual->c_class == DirectColor) TakeRamps(display, colormap, visual->map_entries);
  }

  void Convert(const unsigned char* rows, int stride, XImage& out) override {
    WritePixels(rows, stride, out, [this](Rgb c) {
      return tables_[0][c >> 16] | tables_[1][(c >> 8) & 0xFF] | tables_[2][c & 0xFF];
    });
  }

private:
  int Entries(int channel, int mapEntries) const {
    return std::min(mapEntries, 1 << std::popcount(masks_[channel]));
  }

  void TakeRamps(Display* display, Colormap colormap, int mapEntries) {
    // Cell i of each channel's ramp holds the level i/(n-1) of full; a colour
    // allocated with the i-th level of each channel takes all three at once.
    int longest = 0;
    for (int c = 0; c < 3; ++c) longest = std::max(longest, Entries(c, mapEntries));
    const auto level = [&](int c, int i) {
      const int n = Entries(c, mapEntries);
      return n > 1 ? static_cast<unsigned>((std::min(i, n - 1) * 255 + (n - 1) / 2) / (n - 1)) : 0u;
    };
    std::array<std::vector<ColourCell>, 3> ramps;
    bool whole = true;
    for (int i = 0; i < longest && whole; ++i) {
      XColor colour = XColourOf((level(0, i) << 16) | (level(1, i) << 8) | level(2, i));
      whole = XAllocColor(display, colormap, &colour) != 0;
      if (!whole) break;
      const Rgb got = ColourOf(colour);
      for (int c = 0; c < 3; ++c)
        ramps[c].push_back({colour.pixel & masks_[c], Grey((got >> (16 - 8 * c)) & 0xFF)});
    }
    if (!whole) {
      // A full colormap: each channel's nearest among all its cells.
      for (int c = 0; c < 3; ++c) ramps[c].clear();
      const int n = std::min(longest, 1 << 12);
      std::vector<XColor> cells(static_cast<std::size_t>(n));
      for (int i = 0; i < n; ++i) {
        unsigned long pixel = 0;
        for (int c = 0; c < 3; ++c)
          if (i < Entries(c, mapEntries))
            pixel |= (static_cast<unsigned long>(i) << std::countr_zero(masks_[c])) & masks_[c];
        cells[i].pixel = pixel;
      }
      XQueryColors(display, colormap, cells.data(), n);
      for (int i = 0; i < n; ++i) {
        const Rgb got = ColourOf(cells[i]);
        for (int c = 0; c < 3; ++c)
          if (i < Entries(c, mapEntries))
            ramps[c].push_back({cells[i].pixel & masks_[c], Grey((got >> (16 - 8 * c)) & 0xFF)});
      }
    }
    for (int c = 0; c < 3; ++c)
      if (!ramps[c].empty())
        for (unsigned v = 0; v < 256; ++v) tables_[c][v] = NearestCell(Grey(v), ramps[c], true).Pixel;
  }

  std::array<unsigned long, 3> masks_;
  std::array<std::array<unsigned long, 256>, 3> tables_{};
};

// PseudoColor and GrayScale: read-only cells allocated for the picture's
// colours, the most used first, up to half the colormap (the rest is left to
// other programs); colours beyond that, or once the colormap is full, take the
// nearest of those cells. StaticColor and StaticGray: the nearest cell of the
// fixed colormap. Grey visuals show one level a cell: colours go by luminance.
class PalettePixels final : public VisualPixels {
public:
  PalettePixels(Display* display, Visual* visual, Colormap colormap)
      : display_(display),
        colormap_(colormap),
        grey_(visual->c_class == StaticGray || visual->c_class == GrayScale),
        fixed_(visual->c_class == StaticGray || visual->c_class == StaticColor),
        entries_(std::max(visual->map_entries, 2)),
        budget_(static_cast<std::size_t>(std::max(entries_ / 2, 2))) {
    if (fixed_) all_ = AllCells();
  }

  void Convert(const unsigned char* rows, int stride, XImage& out) override {
    // The colour for a new picture are few new ones at most (a minute's
    // clock); the table is kept small all the same over days of pictures.
    if (known_.size() > (1u << 16)) known_.clear();
    TakeNewColours(rows, stride, out.width, out.height);
    Rgb last = 0xFFFFFFFFu;
    unsigned long pixel = 0;
    WritePixels(rows, stride, out, [&](Rgb c) {
      if (c != last) {
        last = c;
        pixel = known_.at(c);
      }
      return pixel;
    });
  }

private:
  std::vector<ColourCell> AllCells() const {
    const int n = std::min(entries_, 1 << 12);
    std::vector<XColor> cells(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) cells[i].pixel = static_cast<unsigned long>(i);
    XQueryColors(display_, colormap_, cells.data(), n);
    std::vector<ColourCell> out;
    for (const XColor& c : cells) out.push_back({c.pixel, ColourOf(c)});
    return out;
  }

  void TakeNewColours(const unsigned char* rows, int stride, int width, int height) {
    std::unordered_map<Rgb, std::size_t> counts;
    Rgb last = 0xFFFFFFFFu;
    for (int y = 0; y < height; ++y) {
      const unsigned char* in = rows + static_cast<std::size_t>(y) * stride;
      for (int x = 0; x < width; ++x) {
        std::uint32_t word;
        std::memcpy(&word, in + 4 * x, 4);
        const Rgb c = word & 0xFFFFFFu;
        if (c == last) continue;
        last = c;
        if (!known_.contains(c)) ++counts[c];
      }
    }
    std::vector<std::pair<std::size_t, Rgb>> order;
    for (const auto& [colour, count] : counts) order.emplace_back(count, colour);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
      return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (const auto& [count, colour] : order) {
      const Rgb wanted = grey_ ? Grey(Luminance(colour)) : colour;
      if (fixed_) {
        known_[colour] = NearestCell(wanted, all_, grey_).Pixel;
        continue;
      }
      if (!full_ && ours_.size() < budget_) {
        XColor cell = XColourOf(wanted);
        if (XAllocColor(display_, colormap_, &cell)) {
          const bool held =
              std::any_of(ours_.begin(), ours_.end(), [&](const ColourCell& o) { return o.Pixel == cell.pixel; });
          if (!held) ours_.push_back({cell.pixel, ColourOf(cell)});
          known_[colour] = cell.pixel;
          continue;
        }
        full_ = true;
      }
      // Nothing of our own at all (a colormap full from the start): the
      // nearest of every cell, as they read now.
      if (ours_.empty() && all_.empty()) all_ = AllCells();
      known_[colour] = NearestCell(wanted, ours_.empty() ? all_ : ours_, grey_).Pixel;
    }
  }

  Display* display_;
  Colormap colormap_;
  bool grey_;
  bool fixed_;
  int entries_;
  std::size_t budget_;
  bool full_ = false;
  std::vector<ColourCell> ours_;
  std::vector<ColourCell> all_;
  std::unordered_map<Rgb, unsigned long> known_;
};

}  // namespace

unsigned long ChannelBits(unsigned level, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const unsigned long top = mask >> shift;  // 2^bits - 1
  return ((static_cast<unsigned long>(level) * top + 127) / 255) << shift;
}

unsigned Luminance(Rgb c) {
  return (299 * ((c >> 16) & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c & 0xFF) + 500) / 1000;
}

const ColourCell& NearestCell(Rgb colour, const std::vector<ColourCell>& cells, bool grey) {
  const auto distance = [&](Rgb other) {
    if (grey) {
      const int d = static_cast<int>(Luminance(colour)) - static_cast<int>(Luminance(other));
      return d * d;
    }
    int sum = 0;
    for (int shift : {16, 8, 0}) {
      const int d = static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((other >> shift) & 0xFF);
      sum += d * d;
    }
    return sum;
  };
  const ColourCell* best = &cells.front();
  int bestDistance = distance(best->Colour);
  for (const ColourCell& cell : cells) {
    const int d = distance(cell.Colour);
    if (d < bestDistance) best = &cell, bestDistance = d;
  }
  return *best;
}

int BitsPerPixel(Display* display, int depth) {
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  int bits = 0;
  for (int i = 0; i < count; ++i)
    if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
  if (formats) XFree(formats);
  return bits;
}

bool SameLayoutAsCairo(Display* display, Visual* visual, int depth) {
  return visual->c_class == TrueColor && visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
         visual->blue_mask == 0xFF && (depth == 24 || depth == 32) && BitsPerPixel(display, depth) == 32 &&
         ImageByteOrder(display) == NativeByteOrder;
}

std::variant<std::unique_ptr<VisualPixels>, std::string> VisualPixels::For(Display* display, Visual* visual,
                                                                           int depth, Colormap colormap) {
  const int bits = BitsPerPixel(display, depth);
  if (bits == 0 || bits > 32 || depth > 32 || depth < 1)
    return "cannot draw on " + Named(visual, depth) + ": the server keeps no pixels of that depth";
  switch (visual->c_class) {
    case TrueColor:
    case DirectColor:
      if (!visual->red_mask || !visual->green_mask || !visual->blue_mask)
        return "cannot draw on " + Named(visual, depth) + ": it has no red, green or blue bits";
      return std::make_unique<ChannelPixels>(display, visual, colormap);
    case StaticGray:
    case GrayScale:
    case StaticColor:
    case PseudoColor:
      if (colormap == None) return "cannot draw on " + Named(visual, depth) + ": the window has no colormap";
      return std::make_unique<PalettePixels>(display, visual, colormap);
    default: return "cannot draw on " + Named(visual, depth) + ": a visual class X does not define";
  }
}
