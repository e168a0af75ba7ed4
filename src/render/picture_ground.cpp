// The background and the star field, shared by the saver's picture and the
// cover windows on the other monitors.
#include "picture_ground.h"

#include "picture.h"
#include "star_field.h"

void PaintBackground(Canvas& canvas, std::int32_t width, std::int32_t height) {
  canvas.SelectBrush(BackgroundColour);
  canvas.Rectangle({0, 0, width, height});
}

void PaintStarField(Canvas& canvas, std::int32_t width, std::int32_t height, std::uint32_t seed, int count) {
  canvas.SetTextColor(StarColour);
  canvas.SetTransparentMode();
  StarRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const std::int32_t x = random.Pick(width);
    const std::int32_t y = random.Pick(height);
    canvas.Text({x, y}, u"*");
  }
}
