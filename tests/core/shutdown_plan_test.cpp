#include "shutdown_plan.h"

#include <gtest/gtest.h>

#include "../support/tasks.h"
#include "shared_state.h"

using namespace DozIzevodoz;

namespace {

using test::Task;

TEST(ShutdownPlan, ExitWindowsFlagsOfEveryActionWithAndWithoutForce) {
  struct Case { int32_t code; uint32_t plain, forced; };
  const Case cases[] = {{kLogOffCode, 0, 4}, {kRebootCode, 2, 6}, {kPowerOffCode, 8, 12}, {kShutDownCode, 1, 5},
                        {3, 0, 4}, {6, 2, 6}};
  for (const Case& c : cases) {
    EXPECT_EQ(ExitWindowsFlags(c.code, false), c.plain) << c.code;
    EXPECT_EQ(ExitWindowsFlags(c.code, true), c.forced) << c.code;
  }
}

TEST(ShutdownPlan, OwnNameOfTheCode) {
  EXPECT_EQ(OwnActionName(0), "Shut");
  EXPECT_EQ(OwnActionName(1), "Log");
  EXPECT_EQ(OwnActionName(2), "Boot");
  EXPECT_EQ(OwnActionName(4), "Pwr");
  EXPECT_EQ(OwnActionName(8), "Sus");
  EXPECT_EQ(OwnActionName(16), "Hib");
  EXPECT_EQ(OwnActionName(kSuspendCode), "");
  EXPECT_EQ(OwnActionName(kHibernateCode), "");
  EXPECT_EQ(OwnActionName(3), "");
}

TEST(ShutdownPlan, ContainmentFollowsInStr) {
  EXPECT_TRUE(ContainsNoCase("PwrsHuTBoot", "Shut"));
  EXPECT_FALSE(ContainsNoCase("PwrBoot", "Shut"));
  EXPECT_FALSE(ContainsNoCase("", "Shut"));
  EXPECT_FALSE(ContainsNoCase("", ""));
  EXPECT_TRUE(ContainsNoCase("Log", ""));
}

TEST(ShutdownPlan, TheRunHoldsTiedTasksThatAlsoNameTheOwnAction) {
  std::vector<TaskRecord> tasks = {Task(4, "Backup", "sHuT"), Task(2, "Never", ""), Task(7, "Reboot only", "Boot"),
                                   Task(1, "Mail", "PwrShut")};
  TaskRun run = PlanTaskRun(tasks, {kShutDownCode, "Shut", false});
  ASSERT_EQ(run.tasks.size(), 2u);
  EXPECT_EQ(run.idList, "4;1");
  EXPECT_EQ(run.nameList, "Backup;Mail");
  EXPECT_EQ(run.actionName, "Shut");

  // Suspend's own name is empty, which every non-empty Actions text holds.
  tasks.push_back(Task(9, "Sleepy", "Sus"));
  EXPECT_EQ(PlanTaskRun(tasks, {kSuspendCode, "Sus", false}).idList, "9");

  // Tied by the name, but the code names another action: nothing runs.
  EXPECT_TRUE(AnyTiedTo(tasks, "Shut"));
  EXPECT_TRUE(PlanTaskRun(tasks, {kRebootCode, "Shut", false}).tasks.empty());
  EXPECT_FALSE(AnyTiedTo(tasks, "Hib"));
}

}  // namespace
