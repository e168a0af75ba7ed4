// The picture kept laid out between paints.
#include "screen_picture.h"

const PictureLayout& ScreenPicture::LayOut(const PictureSettings& settings, const PictureTarget& target,
                                           Canvas& measure) {
  if (!layout_ || layout_->Settings != settings || layout_->Target != target) {
    layout_ = LayOutPicture(settings, target, measure);
    ++layouts_;
  }
  return *layout_;
}

void ScreenPicture::Paint(Canvas& canvas, const ClockReading& clock) {
  if (layout_) PaintScreen(canvas, *layout_, clock, days_);
}

void ScreenPicture::Paint(Canvas& canvas, const PictureSettings& settings, const PictureTarget& target,
                          const ClockReading& clock) {
  PaintScreen(canvas, LayOut(settings, target, canvas), clock, days_);
}
