// Texts measured for a layout: through the canvas that will draw them, each
// font selected only when a text in it is not known yet, and each (font,
// text) measured once, however many scales the fit tries.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "canvas.h"

class TextMeasurer {
public:
  explicit TextMeasurer(Canvas& canvas) : canvas_(canvas) {}

  TextExtent Measure(const FontSpec& font, std::u16string_view text);
  // How many texts went to the canvas (the rest came from what was kept).
  int Measured() const { return measured_; }

private:
  Canvas& canvas_;
  std::optional<FontSpec> selected_;
  std::map<std::tuple<std::int32_t, bool, std::u16string>, TextExtent, std::less<>> known_;
  int measured_ = 0;
};
