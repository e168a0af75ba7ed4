// A child is never left behind: whether its owner goes away, another child is
// moved into the owner, or the owner starts a new one, the running child ends.
#include "child_process.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr wchar_t SleeperVariable[] = L"QUELLORA_CHILD_SLEEPER";

// The child: this same test program, running only the test below, which sleeps
// when the parent asked for it through the environment it inherits.
TEST(ChildSleeper, SleepsWhenStartedAsAChild) {
  if (GetEnvironmentVariableW(SleeperVariable, nullptr, 0) == 0) GTEST_SKIP() << "only as a child";
  Sleep(60000);
}

ChildProcess StartSleeper() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  SetEnvironmentVariableW(SleeperVariable, L"1");
  ChildProcess child;
  const bool started = child.Start(self, L"--gtest_filter=ChildSleeper.*");
  SetEnvironmentVariableW(SleeperVariable, nullptr);
  EXPECT_TRUE(started);
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
      {"owner started again", [](ChildProcess& owner) {
         wchar_t self[MAX_PATH] = {};
         GetModuleFileNameW(nullptr, self, MAX_PATH);
         EXPECT_TRUE(owner.Start(self, L"--gtest_filter=None"));
       }},
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

}  // namespace
