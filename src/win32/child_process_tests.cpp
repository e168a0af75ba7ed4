// A child is never left behind: whether its owner goes away, another child is
// moved into the owner, or the owner starts a new one, the running child ends.
// The children are this program itself, run as a sleeper or as a child that
// ends at once with a known code, so no test runs only to be a child.
#include "child_process.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

namespace {

// The children are this same program, started with one of these first
// arguments instead of the tests (main below reads them).
constexpr wchar_t SleepArgument[] = L"--child-sleep";
constexpr wchar_t ExitArgument[] = L"--child-exit-7";

std::wstring Self() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return self;
}

ChildProcess StartSleeper() {
  ChildProcess child;
  EXPECT_TRUE(child.Start(Self(), SleepArgument));
  return child;
}

TEST(ChildProcess, TheRunningChildEndsWhateverBecomesOfItsOwner) {
  struct Case {
    const char* what;
    std::function<void(ChildProcess&)> act;
  };
  const Case cases[] = {
      {"owner destroyed", [](ChildProcess& owner) { const ChildProcess gone = std::move(owner); }},
      {"another child moved into the owner", [](ChildProcess& owner) { owner = StartSleeper(); }},
      {"owner started again", [](ChildProcess& owner) { EXPECT_TRUE(owner.Start(Self(), ExitArgument)); }},
  };
  for (const Case& c : cases) {
    ChildProcess owner = StartSleeper();
    ASSERT_TRUE(owner.Running()) << c.what;
    const UniqueHandle first{OpenProcess(SYNCHRONIZE, FALSE, owner.Id())};
    ASSERT_TRUE(first) << c.what;
    c.act(owner);
    EXPECT_EQ(WaitForSingleObject(first.get(), 10000), WAIT_OBJECT_0) << c.what << ": the first child still runs";
  }
}

TEST(ChildProcess, TellsWhenItsChildEndedAndWithWhatCode) {
  ChildProcess child;
  EXPECT_FALSE(child.Started());
  ASSERT_TRUE(child.Start(Self(), ExitArgument));
  ASSERT_TRUE(child.WaitForExit(10000));
  EXPECT_FALSE(child.Running());
  EXPECT_EQ(child.ExitCode(), 7u);

  const ChildProcess sleeper = StartSleeper();
  EXPECT_FALSE(sleeper.WaitForExit(300)) << "a sleeping child reported as ended";
  EXPECT_TRUE(sleeper.Running());
  EXPECT_EQ(sleeper.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
}

}  // namespace

// The test program, or one of the children the tests start.
int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--child-sleep") {
    Sleep(60000);
    return 0;
  }
  if (first == "--child-exit-7") return 7;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
