#include <gtest/gtest.h>

#include <string>
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

TEST(ShellOpen, EveryFailedOpenIsToldToTheFailureLogWithItsReason) {
  std::vector<std::string> lines;
  SetShellFailureLog([&](const std::string& line) { lines.push_back(line); });
  SetShellOpenHook([](const ShellRequest& r) { return r.target != "mailto:refused"; });
  EXPECT_TRUE(ShellOpen("http://a.example/"));
  EXPECT_FALSE(ShellExecuteOpen(nullptr, "mailto:refused"));
  SetShellOpenHook(nullptr);
  EXPECT_FALSE(ShellOpenPath(NativeText("/var/log/Modulix.log")));  // no shell on this side
  SetShellFailureLog(nullptr);
  EXPECT_FALSE(ShellOpen("untold"));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Could not open mailto:refused: refused",
                       "Could not open /var/log/Modulix.log: no shell to open it with"}));
}
