#include <gtest/gtest.h>

#include "action_requests.h"
#include "shared_state.h"

TEST(ActionCaption, FromTheCodeElseFromTheName) {
  using DozIzevodoz::ActionCaption;
  struct Case { int32_t code; const char* name; const char* caption; };
  const Case cases[] = {
      {0, "Shut", "Shutdown"}, {1, "Log", "LogOff"}, {2, "Boot", "Reboot"}, {4, "Pwr", "PowerOff"},
      {8, "", "Suspend"}, {16, "", "Hibernate"},
      {DozIzevodoz::kSuspendCode, "Sus", "Suspend"}, {DozIzevodoz::kHibernateCode, "Hib", "Hibernate"},
      {99, "Pwr", "PowerOff"}, {99, "sus", ""}, {99, "Other", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ActionCaption(c.code, c.name), c.caption) << c.code << " " << c.name;
}
