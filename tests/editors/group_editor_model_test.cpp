#include "group_editor_model.h"

#include <gtest/gtest.h>

#include <cctype>

namespace editors {
namespace {

using DozIzevodoz::GroupRecord;
using DozIzevodoz::TaskRecord;

bool AsciiEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

TaskRecord Task(int32_t id, std::string desc) {
  TaskRecord t;
  t.ID = id;
  t.Desc = std::move(desc);
  t.Actions = "Shut";
  return t;
}

const std::vector<TaskRecord> kTasks = {Task(3, "Backup"), Task(5, "Mail"), Task(-1, "Gone"), Task(8, "Sync")};

GroupEditorModel Model(std::vector<GroupRecord> groups, int32_t last) {
  return GroupEditorModel(groups, last, AsciiEquals);
}

TEST(MoverStates, FollowTheTwoListsAndTheirSelections) {
  struct Case {
    TaskListsState lists;
    bool test, addAll, addOne, remOne, remAll;
    std::optional<bool> up, down;
  };
  const Case cases[] = {
      // nothing selected for the group: only the adders, when there is something to add
      {{0, 0, -1, 3, 0}, false, true, false, false, false, false, false},
      {{0, 0, -1, 3, 2}, false, true, true, false, false, false, false},
      {{0, 0, -1, 0, 0}, false, false, false, false, false, false, false},
      // tasks in the group but none chosen: test and remove-all, no order
      {{2, 0, 1, 0, 0}, true, false, false, false, true, false, false},
      // one entry chosen among several: the order buttons follow the current entry
      {{3, 1, 0, 1, 0}, true, true, false, true, true, false, true},
      {{3, 1, 1, 1, 1}, true, true, true, true, true, true, true},
      {{3, 2, 2, 0, 0}, true, false, false, true, true, true, false},
      // a single entry: the order buttons keep whatever state they have
      {{1, 1, 0, 2, 0}, true, true, false, true, true, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    MoverStates s = MoverStatesFor(c.lists);
    SCOPED_TRACE(testing::Message() << "sel " << c.lists.selectedCount << " chosen " << c.lists.selectedChosen
                                    << " current " << c.lists.selectedCurrent << " avail " << c.lists.availableCount);
    EXPECT_EQ(s.test, c.test);
    EXPECT_EQ(s.addAll, c.addAll);
    EXPECT_EQ(s.addOne, c.addOne);
    EXPECT_EQ(s.remOne, c.remOne);
    EXPECT_EQ(s.remAll, c.remAll);
    EXPECT_EQ(s.up, c.up);
    EXPECT_EQ(s.down, c.down);
  }
}

TEST(TaskIdText, SplitsAndJoinsLeavingOutWhatIsNoNumber) {
  EXPECT_EQ(SplitTaskIds("8;3;5"), (std::vector<int32_t>{8, 3, 5}));
  EXPECT_EQ(SplitTaskIds(" 8 ;;x;3;"), (std::vector<int32_t>{8, 3}));
  EXPECT_EQ(SplitTaskIds(""), std::vector<int32_t>{});
  EXPECT_EQ(SplitTaskIds("99999999999"), std::vector<int32_t>{});
  EXPECT_EQ(JoinTaskIds({8, 3, 5}), "8;3;5");
  EXPECT_EQ(JoinTaskIds({}), "");
}

TEST(TaskLists, KeepTheGroupsRunOrderAndShowEachTaskOnce) {
  GroupEditorModel model = Model({{1, "Night", "8;3;77;8"}, {2, "Empty", ""}}, 2);
  TaskLists night = model.ListsFor(0, kTasks);
  EXPECT_EQ(night.selected, (std::vector<TaskEntry>{{8, "Sync"}, {3, "Backup"}}));
  EXPECT_EQ(night.available, (std::vector<TaskEntry>{{5, "Mail"}}));
  TaskLists fresh = model.ListsFor(-1, kTasks);
  EXPECT_TRUE(fresh.selected.empty());
  EXPECT_EQ(fresh.available, (std::vector<TaskEntry>{{3, "Backup"}, {5, "Mail"}, {8, "Sync"}}));
  // A deleted task's -1 names nothing.
  EXPECT_TRUE(SplitTasks({-1}, kTasks).selected.empty());
}

TEST(SaveChanges, ChecksInOrderAndNeverComparesAGroupWithItself) {
  GroupEditorModel model = Model({{4, "Night", "3"}, {-1, "", ""}, {9, "Day", "5"}}, 9);
  struct Case {
    int32_t index;
    const char* desc;
    size_t tasks;
    std::string message;
  };
  const std::string forbidden = ")\r\nContains one or more invalid characters (?*\"<>|/\\:)";
  const Case cases[] = {
      {-1, "", 0, "You must enter a Description"},
      {-1, "    ", 1, "You must enter a Description"},
      {-1, " night ", 1, "A Group named \"night\" Already Exists.\r\nPlease select a different Description."},
      {2, "NIGHT", 1, "A Group named \"NIGHT\" Already Exists.\r\nPlease select a different Description."},
      {0, "NIGHT", 1, ""},
      {-1, "a/b", 1, "The Group Description (a/b" + forbidden},
      {-1, " x:y ", 0, "The Group Description (x:y" + forbidden},
      {-1, "Morning", 0, "You must Select at least one Task"},
      {-1, "Morning", 2, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(model.Check(c.index, c.desc, c.tasks), c.message) << c.desc;
}

TEST(SaveChanges, ANewGroupTakesTheIdAboveTheHighestSeenAndEditsKeepTheirId) {
  GroupEditorModel model = Model({{1, "A", "3"}, {-1, "", ""}, {7, "B", "5"}}, 7);
  EXPECT_EQ(model.ProposedDesc(), "Group 4");  // deleted slots count
  EXPECT_FALSE(model.Changed());
  GroupEditorModel::SaveResult added = model.Save(-1, "  New  ", {8, 3});
  EXPECT_TRUE(model.Changed());
  EXPECT_TRUE(added.added);
  EXPECT_EQ(added.id, 8);
  EXPECT_EQ(added.index, 3);
  EXPECT_EQ(model.Groups()[3].Desc, "New");
  EXPECT_EQ(model.Groups()[3].TaskIDs, "8;3");
  GroupEditorModel::SaveResult edited = model.Save(0, "a", {5});
  EXPECT_FALSE(edited.added);
  EXPECT_EQ(edited.id, 1);
  EXPECT_EQ(model.Groups()[0].TaskIDs, "5");
  EXPECT_EQ(model.LastGroupId(), 8);
  EXPECT_TRUE(model.Delete(7));
  EXPECT_FALSE(model.Delete(7));
  EXPECT_EQ(model.IndexOfId(7), -1);
  EXPECT_EQ(model.Groups()[2].Desc, "");
}

TEST(Done, DropsVanishedTasksAndAsksAboutEmptiedGroups) {
  struct Case {
    const char* name;
    std::vector<GroupRecord> groups;
    std::vector<bool> answers;       // to the questions, in order
    std::vector<std::string> asked;  // the groups asked about
    int32_t keptEmptyId;
    std::vector<int32_t> deleted;
    std::vector<GroupRecord> after;
    std::vector<GroupEditorModel::NotANumber> notNumbers = {};
    bool changed = true;
  };
  const Case cases[] = {
      {"clean", {{1, "A", "77;3;x;5;-1;;"}}, {}, {}, -1, {}, {{1, "A", "3;5"}}, {{"A", "x"}}, false},
      {"all gone, deleted", {{1, "A", "77"}, {2, "B", "8"}}, {true}, {"A"}, -1, {1}, {{-1, "", ""}, {2, "B", "8"}}},
      {"empty kept", {{1, "A", "8"}, {2, "B", ""}, {3, "C", "77"}}, {false}, {"B"}, 2, {},
       {{1, "A", "8"}, {2, "B", ""}, {3, "C", "77"}}, {}, false},
      {"deleted ones passed over", {{-1, "", ""}, {4, "D", "66"}}, {true}, {"D"}, -1, {4},
       {{-1, "", ""}, {-1, "", ""}}},
      {"no number at all", {{1, "A", "abc; 3x"}}, {false}, {"A"}, 1, {}, {{1, "A", ""}}, {{"A", "abc"}, {"A", " 3x"}},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GroupEditorModel model = Model(c.groups, 9);
    std::vector<std::string> asked;
    size_t next = 0;
    GroupEditorModel::DoneResult r = model.PrepareDone(kTasks, [&](const GroupRecord& g) {
      asked.push_back(g.Desc);
      return next < c.answers.size() ? static_cast<bool>(c.answers[next++]) : true;
    });
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(r.keptEmptyId, c.keptEmptyId);
    EXPECT_EQ(r.deletedIds, c.deleted);
    EXPECT_EQ(r.notNumbers, c.notNumbers);
    EXPECT_EQ(model.Changed(), c.changed);
    ASSERT_EQ(model.Groups().size(), c.after.size());
    for (size_t i = 0; i < c.after.size(); ++i) {
      EXPECT_EQ(model.Groups()[i].ID, c.after[i].ID) << i;
      EXPECT_EQ(model.Groups()[i].Desc, c.after[i].Desc) << i;
      EXPECT_EQ(model.Groups()[i].TaskIDs, c.after[i].TaskIDs) << i;
    }
  }
  EXPECT_EQ(EmptyGroupQuestion("Night"), "Group \"Night\" Has no Tasks.\r\n\r\nDelete this Group?");
}

TEST(TrialRun, RunsTheListedTasksInListOrderWhateverTheirActions) {
  DozIzevodoz::TaskRun run = TrialRun({8, 77, 3}, kTasks);
  ASSERT_EQ(run.tasks.size(), 2u);
  EXPECT_EQ(run.idList, "8;3");
  EXPECT_EQ(run.nameList, "Sync;Backup");
  EXPECT_TRUE(run.everyTask);
}

}  // namespace
}  // namespace editors
