#include "task_file.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace DozIzevodoz;

namespace {

TaskRecord Task(int32_t id, std::string desc, std::string actions = "Shut", int32_t winStyle = 1) {
  return {id, std::move(desc), "C:\\Tools\\bk.exe", "/quiet", "C:\\Tools\\", winStyle, std::move(actions)};
}

std::vector<std::string> Descs(const std::vector<TaskRecord>& tasks) {
  std::vector<std::string> d;
  for (const auto& t : tasks) d.push_back(t.Desc);
  return d;
}

using Names = std::vector<std::string>;

TEST(TaskFile, WritesTheDocumentedLayoutAndReadsItBack) {
  std::vector<TaskRecord> tasks = {Task(3, "Backup", "ShutBoot", 6), Task(-1, "Deleted"), Task(9, "Empty", "", 0)};
  std::string text = FormatTaskFile(tasks);
  EXPECT_EQ(text,
            "3\tBackup\tC:\\Tools\\bk.exe\t/quiet\tC:\\Tools\\\t6\tShutBoot\r\n\r\n"
            "9\tEmpty\tC:\\Tools\\bk.exe\t/quiet\tC:\\Tools\\\t0\t\r\n\r\n");
  RecordList<TaskRecord> back = ParseTaskFile(text);
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.lastId, 9);
  const TaskRecord& t = back.records[0];
  EXPECT_EQ(t.ID, 3);
  EXPECT_EQ(t.Desc, "Backup");
  EXPECT_EQ(t.Prog, "C:\\Tools\\bk.exe");
  EXPECT_EQ(t.Args, "/quiet");
  EXPECT_EQ(t.Dir, "C:\\Tools\\");
  EXPECT_EQ(t.WinStyle, 6);
  EXPECT_EQ(t.Actions, "ShutBoot");
  EXPECT_EQ(back.records[1].Actions, "");  // the empty last field is kept
  EXPECT_EQ(back.records[1].WinStyle, 0);
}

TEST(TaskFile, ReadsWhatEditorsAndOtherSystemsMayHaveWritten) {
  const std::string a = "1\tA\tp\t\t\t1\tShut";
  const std::string b = "2\tB\tp\t\t\t3\tLog";
  struct Case { const char* what; std::string text; Names descs; int32_t lastId; };
  const Case cases[] = {
      {"no blank lines", a + "\r\n" + b + "\r\n", {"A", "B"}, 2},
      {"three blank lines", a + "\r\n\r\n\r\n\r\n" + b + "\r\n", {"A", "B"}, 2},
      {"LF only, no final line end", a + "\n\n" + b, {"A", "B"}, 2},
      {"six fields are dropped", "5\tShort\tp\t\t\t1\r\n" + b, {"B"}, 2},
      {"eight fields keep seven", "5\tLong\tp\t\t\t1\tShut\textra\r\n", {"Long"}, 5},
      {"an ID that is not a number", "x\tNoId\tp\t\t\t1\tShut\r\n3.5\tFrac\tp\t\t\t1\tShut\r\n" + b, {"B"}, 2},
      {"the highest ID wherever it stands", "4\tA\tp\t\t\t1\t\r\n12\tB\tp\t\t\t1\t\r\n7\tC\tp\t\t\t1\t\r\n",
       {"A", "B", "C"}, 12},
      {"only negative IDs", "-4\tA\tp\t\t\t1\t\r\n", {"A"}, 0},
      {"a duplicated ID keeps the first", "5\tFirst\tp\t\t\t1\t\r\n5\tSecond\tp\t\t\t1\t\r\n", {"First"}, 5},
      {"IDs out of order, repeated further on",
       "5\tA\tp\t\t\t1\t\r\n7\tB\tp\t\t\t1\t\r\n5\tC\tp\t\t\t1\t\r\n3\tD\tp\t\t\t1\t\r\n7\tE\tp\t\t\t1\t\r\n",
       {"A", "B", "D"}, 7},
      {"an empty file", "", {}, 0},
  };
  for (const Case& c : cases) {
    RecordList<TaskRecord> list = ParseTaskFile(c.text);
    EXPECT_EQ(Descs(list.records), c.descs) << c.what;
    EXPECT_EQ(list.lastId, c.lastId) << c.what;
  }
}

// Reading into the records of an earlier read (as the store does) leaves nothing of them behind.
TEST(TaskFile, AReadIntoEarlierRecordsKeepsOnlyTheFilesContents) {
  RecordList<TaskRecord> list;
  list.records = {Task(8, "An old and rather long description", "ShutBootLog", 3), Task(9, "Old"), Task(10, "Old")};
  list.records[0].Args = "/a long list of old arguments";
  list.lastId = 10;
  ParseTaskFile("2\tNew\tq.exe\t\t\t6\t\r\n1\tOther\tr.exe\t-x\tC:\\\t1\tLog\r\n", list);
  auto all = [](const TaskRecord& t) { return std::tie(t.ID, t.Desc, t.Prog, t.Args, t.Dir, t.WinStyle, t.Actions); };
  ASSERT_EQ(list.records.size(), 2u);
  EXPECT_EQ(list.lastId, 2);
  EXPECT_EQ(all(list.records[0]), all(TaskRecord{2, "New", "q.exe", "", "", 6, ""}));
  EXPECT_EQ(all(list.records[1]), all(TaskRecord{1, "Other", "r.exe", "-x", "C:\\", 1, "Log"}));
  ParseTaskFile("", list);
  EXPECT_TRUE(list.records.empty());
  EXPECT_EQ(list.lastId, 0);
}

TEST(TaskFile, AWinStyleThatIsNotANumberReadsAsNormal) {
  RecordList<TaskRecord> list = ParseTaskFile("1\tA\tp\t\t\tmax\tShut\r\n2\tB\tp\t\t\t 3 \tShut\r\n");
  ASSERT_EQ(list.records.size(), 2u);
  EXPECT_EQ(list.records[0].WinStyle, 1);
  EXPECT_EQ(list.records[1].WinStyle, 3);
}

TEST(TaskFile, TabsAndLineBreaksInsideAFieldBecomeBlanks) {
  TaskRecord t = Task(1, "Back\tup\r\nnow", "Shut\n");
  t.Args = "a\tb";
  RecordList<TaskRecord> back = ParseTaskFile(FormatTaskFile({t, Task(2, "Next")}));
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.records[0].Desc, "Back up  now");
  EXPECT_EQ(back.records[0].Args, "a b");
  EXPECT_EQ(back.records[0].Actions, "Shut ");
  EXPECT_EQ(back.records[1].Desc, "Next");
}

TEST(GroupFile, OneLinePerGroupWithoutBlankLines) {
  std::vector<GroupRecord> groups = {{7, "Night", ""}, {-2, "Gone", "1"}, {8, "Day\tTime", "1;4;2"}};
  std::string text = FormatGroupFile(groups);
  EXPECT_EQ(text, "7\tNight\t\r\n8\tDay Time\t1;4;2\r\n");
  RecordList<GroupRecord> back = ParseGroupFile(text + "\r\n9\tTwoFields\r\n");
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.records[0].TaskIDs, "");
  EXPECT_EQ(back.records[1].Desc, "Day Time");
  EXPECT_EQ(back.records[1].TaskIDs, "1;4;2");
  EXPECT_EQ(back.lastId, 8);
}

TEST(TaskFile, WholeNumbersAreDigitsWithAnOptionalMinus) {
  EXPECT_EQ(ParseWholeNumber("42"), 42);
  EXPECT_EQ(ParseWholeNumber(" -7 "), -7);
  EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
  EXPECT_EQ(ParseWholeNumber("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "2147483648", "3.6", "&H10", "1e3", "+5", "12a", "99999999999"})
    EXPECT_EQ(ParseWholeNumber(bad), std::nullopt) << bad;
}

}  // namespace

// The entries in use are the first count ones, however the count stands to the array.
TEST(RecordsInUse, TheFirstCountEntriesAndNoMore) {
  const std::vector<DozIzevodoz::GroupRecord> groups = {{1, "A", ""}, {2, "B", ""}, {3, "C", ""}};
  const std::pair<int32_t, size_t> cases[] = {{-5, 0}, {0, 0}, {2, 2}, {3, 3}, {99, 3}};
  for (const auto& [count, used] : cases) {
    const std::span<const DozIzevodoz::GroupRecord> inUse = DozIzevodoz::InUse(groups, count);
    ASSERT_EQ(inUse.size(), used) << count;
    if (used > 0) {
      EXPECT_EQ(inUse.data(), groups.data()) << count;
    }
  }
}
