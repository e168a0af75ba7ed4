// The monitor layouts people run, reduced to the rectangles the cover windows take.
#include "monitor_layout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const ScreenRect& r) {
  return os << '(' << r.Left << ',' << r.Top << ")-(" << r.Right << ',' << r.Bottom << ')';
}

namespace {

constexpr ScreenRect Primary{0, 0, 1920, 1080};

struct LayoutCase {
  const char* name;
  std::vector<ScreenRect> monitors;  // as the system lists them
  ScreenRect saver;                  // the saver window: the primary monitor
  std::vector<ScreenRect> covers;
};
std::ostream& operator<<(std::ostream& os, const LayoutCase& c) { return os << c.name; }

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, GivesOneCoverPerMonitorTheSaverWindowLeavesOpen) {
  const LayoutCase& c = GetParam();
  EXPECT_EQ(CoverRects(c.monitors, c.saver), c.covers);
}

INSTANTIATE_TEST_SUITE_P(
    Monitors, Layout,
    testing::Values(
        LayoutCase{"OneMonitor", {Primary}, Primary, {}},
        LayoutCase{"TwoSideBySide", {Primary, {1920, 0, 3840, 1080}}, Primary, {{1920, 0, 3840, 1080}}},
        // Listed first, as the system may do; left of the primary, so negative x.
        LayoutCase{"SecondToTheLeft", {{-1280, 0, 0, 1024}, Primary}, Primary, {{-1280, 0, 0, 1024}}},
        LayoutCase{"StackedAbove", {Primary, {0, -1080, 1920, 0}}, Primary, {{0, -1080, 1920, 0}}},
        LayoutCase{"DifferentSizes",
                   {{0, 0, 1280, 800}, {1280, 0, 2304, 768}},
                   {0, 0, 1280, 800},
                   {{1280, 0, 2304, 768}}},
        LayoutCase{"MirrorOfThePrimary", {Primary, Primary}, Primary, {}},
        LayoutCase{"MirrorOfThePrimaryAtALowerResolution", {Primary, {0, 0, 1280, 1024}}, Primary, {}},
        LayoutCase{"Three",
                   {{-1920, 0, 0, 1080}, Primary, {1920, -200, 3120, 1720}},
                   Primary,
                   {{-1920, 0, 0, 1080}, {1920, -200, 3120, 1720}}},
        LayoutCase{"ThreeWithTheSecondMirrored",
                   {Primary, {1920, 0, 3840, 1080}, {1920, 0, 3840, 1080}},
                   Primary,
                   {{1920, 0, 3840, 1080}}},
        // The mirror at the lower resolution listed first: the larger one is covered.
        LayoutCase{"SecondMirroredAtALowerResolution",
                   {Primary, {1920, 0, 3200, 1024}, {1920, 0, 3840, 1080}},
                   Primary,
                   {{1920, 0, 3840, 1080}}},
        // Overlapping the primary only in part: the cover goes under the saver window.
        LayoutCase{
            "OverlappingThePrimaryInPart", {Primary, {1600, 0, 3520, 1080}}, Primary, {{1600, 0, 3520, 1080}}},
        LayoutCase{"AnEmptyMonitorIsSkipped", {Primary, {1920, 0, 1920, 1080}, {1920, 0, 2000, -5}}, Primary, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
