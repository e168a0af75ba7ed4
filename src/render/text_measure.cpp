// The measurements of a layout, kept by font and text.
#include "text_measure.h"

TextExtent TextMeasurer::Measure(const FontSpec& font, std::u16string_view text) {
  for (const Known& k : known_)
    if (k.Font == font && k.Text == text) return k.Size;
  if (selected_ != font) {
    canvas_.SelectFont(font);
    selected_ = font;
  }
  ++measured_;
  const TextExtent size = canvas_.MeasureText(text);
  known_.push_back({font, std::u16string(text), size});
  return size;
}
