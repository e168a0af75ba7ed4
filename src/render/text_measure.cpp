// The measurements of a layout, kept by font and text.
#include "text_measure.h"

TextExtent TextMeasurer::Measure(const FontSpec& font, std::u16string_view text) {
  const auto key = std::make_tuple(font.Height, font.Italic, std::u16string(text));
  if (const auto found = known_.find(key); found != known_.end()) return found->second;
  if (selected_ != font) {
    canvas_.SelectFont(font);
    selected_ = font;
  }
  ++measured_;
  const TextExtent size = canvas_.MeasureText(text);
  known_.emplace(key, size);
  return size;
}
