// When the redraw thread asks for the minute's repaint: at the first poll whose
// local clock shows another minute than the last repaint asked for. Polls drift
// (each takes a little over a second) and now and then skip a second, so
// waiting for second 0 would sometimes leave the old minute on screen.
#pragma once

class MinuteRepaint {
public:
  // minuteOfDay: hour * 60 + minute of the clock when the first paint was asked for.
  explicit MinuteRepaint(int minuteOfDay) : last_(minuteOfDay) {}

  // True when a repaint is due; it then counts as asked for.
  bool Poll(int minuteOfDay) {
    if (minuteOfDay == last_) return false;
    last_ = minuteOfDay;
    return true;
  }

private:
  int last_;
};
