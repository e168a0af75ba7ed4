// The owners whose release needs more than the handle: the state in their
// traits goes wherever the handle goes, and each handle is released once.
#include "unique_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Notes each release in the log its traits point at.
struct LoggingTraits {
  std::vector<int>* Log = nullptr;
  static int Invalid() { return 0; }
  void Close(int handle) const { Log->push_back(handle); }
};
using Logged = UniqueWin32<int, LoggingTraits>;

TEST(UniqueWin32, ReleasesEachHandleOnceThroughTheTraitsItCameWith) {
  std::vector<int> firstLog, secondLog;
  {
    Logged first(1, {&firstLog});
    Logged moved(std::move(first));
    EXPECT_FALSE(first);
    Logged second(2, {&secondLog});
    second = std::move(moved);  // lets go of 2 through its own traits, then holds 1 with first's
    EXPECT_EQ(secondLog, std::vector<int>{2});
    EXPECT_TRUE(firstLog.empty());
    second.reset();
    second.reset();
    EXPECT_EQ(firstLog, std::vector<int>{1});
  }
  EXPECT_EQ(firstLog, std::vector<int>{1});
  EXPECT_EQ(secondLog, std::vector<int>{2});
}

TEST(UniqueSelection, PutsTheReplacedObjectBackOnceWhereverItWasMoved) {
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  ASSERT_TRUE(dc);
  const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
  // The pens are declared before the selections, so they are deselected before they go.
  const UniqueWin32<HPEN, GdiObjectTraits<HPEN>> red(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  const UniqueWin32<HPEN, GdiObjectTraits<HPEN>> blue(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
  ASSERT_TRUE(red && blue);
  {
    UniqueSelection kept;
    {
      UniqueSelection selection = SelectInto(dc.get(), red.get());
      ASSERT_TRUE(selection);
      kept = std::move(selection);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), red.get()) << "the moved-from owner put the old pen back";
    SelectObject(dc.get(), blue.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original) << "the owner lost the context it selected into";
}

}  // namespace
