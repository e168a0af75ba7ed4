// Texts measured for a layout: through the canvas that will draw them, each
// font selected only when a text in it is not known yet, and each (font,
// text) measured once, however many scales the fit tries.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"

class TextMeasurer {
public:
  explicit TextMeasurer(Canvas& canvas) : canvas_(canvas) {}

  TextExtent Measure(const FontSpec& font, std::u16string_view text);
  // How many texts went to the canvas (the rest came from what was kept).
  int Measured() const { return measured_; }

private:
  struct Known {
    FontSpec Font;
    std::u16string Text;
    TextExtent Size;
  };
  Canvas& canvas_;
  std::optional<FontSpec> selected_;
  // A few hundred texts at most: looked through in turn (a tree or a hash
  // would cost the saver kilobytes of code for no time it could see).
  std::vector<Known> known_;
  int measured_ = 0;
};
