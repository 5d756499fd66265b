#include <gtest/gtest.h>

#include <vector>

#include "support/files/shell_open.h"

TEST(ShellOpen, HookReceivesEveryRequestAndItsAnswerIsReturned) {
  std::vector<ShellRequest> seen;
  SetShellOpenHook([&](const ShellRequest& r) {
    seen.push_back(r);
    return r.target != "refused";
  });
  int parent = 0;
  EXPECT_TRUE(ShellOpen("C:\\log.log"));
  EXPECT_FALSE(ShellExecuteOpen(&parent, "refused"));
  SetShellOpenHook(nullptr);
  EXPECT_FALSE(ShellOpen("after"));  // no shell on this side once the hook is gone
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].target, "C:\\log.log");
  EXPECT_TRUE(seen[0].viaShellExecuteEx);
  EXPECT_EQ(seen[1].parentWindow, &parent);
  EXPECT_FALSE(seen[1].viaShellExecuteEx);
}
