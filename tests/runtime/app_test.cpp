#include "app.h"

#include <gtest/gtest.h>

#include "version_block.h"

namespace {

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::InitApp(GetModuleHandleA(nullptr), "TarnwickAppTest"); }
};

TEST_F(AppTest, TakesItsNumbersAndTextsFromTheVersionBlock) {
  const rt::AppObject& app = rt::App();
  EXPECT_EQ(app.Major, 7);
  EXPECT_EQ(app.Minor, 8);
  EXPECT_EQ(app.Revision, 9);
  EXPECT_EQ(app.FileDescription, "Tarnwick Test Suite");
  EXPECT_EQ(app.LegalCopyright, "(c) Tests\\nLine two");  // the markers stay as written
  EXPECT_EQ(app.Comments, "Built for the tests");
  EXPECT_EQ(app.Title, "TarnwickAppTest");
}

TEST_F(AppTest, KnowsWhereTheProgramLives) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string full = path;
  EXPECT_EQ(rt::App().Path, full.substr(0, full.find_last_of('\\')));
  EXPECT_EQ(rt::App().EXEName, "runtime_tests");
}

TEST(VersionBlock, AFileWithoutOneGivesFalseAndAnEmptyBlock) {
  rt::VersionBlock block;
  block.major = 3;
  EXPECT_FALSE(rt::ReadVersionBlock("C:\\no such folder\\none.exe", block));
  EXPECT_EQ(block.major, 0);
  EXPECT_TRUE(block.fileDescription.empty());
}

TEST_F(AppTest, TheResidentMarkerIsSeenByOthersButNotByItsHolder) {
  rt::App().Title = "TarnwickMarkerTest";
  EXPECT_FALSE(rt::App().PrevInstance());
  // Another process holding the marker is simulated by a second handle made outside the App.
  HANDLE other = CreateMutexA(nullptr, FALSE, "Local\\TarnwickMarkerTest.Resident");
  ASSERT_NE(other, nullptr);
  EXPECT_TRUE(rt::App().PrevInstance());
  EXPECT_FALSE(rt::App().ClaimResidentInstance());
  CloseHandle(other);

  EXPECT_TRUE(rt::App().ClaimResidentInstance());
  EXPECT_FALSE(rt::App().PrevInstance());  // it is ours now
  EXPECT_TRUE(rt::App().ClaimResidentInstance());
}

}  // namespace
