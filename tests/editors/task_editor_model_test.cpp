#include "task_editor_model.h"
#include "folder_path.h"
#include "ascii_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <utility>

namespace editors {
namespace {

using DozIzevodoz::TaskRecord;

bool AsciiEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

TaskRecord Record(int32_t id, std::string desc) {
  TaskRecord t;
  t.ID = id;
  t.Desc = std::move(desc);
  t.Prog = "C:\\p.exe";
  t.Actions = "Shut";
  return t;
}

TaskFields Fields(std::string desc, std::string prog, std::string dir, std::array<bool, kActionBoxCount> boxes) {
  TaskFields f;
  f.desc = std::move(desc);
  f.prog = std::move(prog);
  f.dir = std::move(dir);
  f.boxes = boxes;
  return f;
}

constexpr std::array<bool, kActionBoxCount> kShut{true};
constexpr std::array<bool, kActionBoxCount> kNone{};
constexpr std::array<bool, kActionBoxCount> kAll{true, true, true, true, true, true};

// Folders that exist in these cases.
const std::set<std::string> kFolders = {"C:\\T", "C:\\T\\"};
bool Exists(const std::string& folder) { return kFolders.count(folder) > 0; }

struct SaveCase {
  const char* name;
  TaskFields fields;
  int32_t editing;  // index being edited, -1 for a new task
  bool deleteOld;   // "Old" deleted in this session first
  std::string message;
  std::string actions, prog, dir;
};

TEST(TaskEditorModel, ChecksInOrderAndSavedRecord) {
  std::array<bool, kActionBoxCount> bootShut{};
  bootShut[kShutdownBox] = bootShut[kRebootBox] = true;
  const SaveCase cases[] = {
      {"nothing", Fields("", "", "", kNone), -1, false, "You must check at least one type of shutdown action"},
      {"blank desc", Fields("   ", "p", "", kShut), -1, false, "You must enter a Description"},
      {"name taken", Fields("backup", "p", "", kShut), -1, false,
       "A Task named \"backup\" Already Exists.\r\nPlease select a different Description."},
      {"own name", Fields("BACKUP", "p", "", kShut), 0, false, "", "Shut", "p", ""},
      {"deleted name", Fields("old", "p", "", kShut), -1, true, "", "Shut", "p", ""},  // freed by the delete
      {"blank prog", Fields("X", "  ", "", kShut), -1, false, "You must specify a program"},
      {"missing dir", Fields("X", "p", "C:\\nope", kShut), -1, false,
       "Start In Folder/Working Directory:\r\nC:\\nope\r\nDoes Not Exist"},
      {"two boxes", Fields(" X ", "p", "C:\\T", bootShut), -1, false, "", "ShutBoot", "p", "C:\\T\\"},
      {"all boxes", Fields("X", "p ", "C:\\T\\", kAll), -1, false, "", "ShutPwrBootLogSusHib", "p ", "C:\\T\\"},
      {"tab in desc", Fields("a\tb", "p", "", kShut), -1, false, "tab"},
      {"line break in prog", Fields("X", "p\r\nq", "", kShut), -1, false, "tab"},
      {"tab in args", [] { auto f = Fields("X", "p", "", kShut); f.args = "-a\t-b"; return f; }(), -1, false, "tab"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    TaskEditorModel model(std::vector<TaskRecord>{Record(1, "Backup"), Record(2, "Old")}, 2, AsciiEquals);
    if (c.deleteOld) {
      ASSERT_TRUE(model.Delete(2));
    }
    model.SetTaskIndex(c.editing);
    const std::vector<TaskRecord> before = model.Tasks();
    std::string message = model.Check(c.fields, Exists);
    if (c.message == "tab") {
      EXPECT_NE(message.find("tabs or line breaks"), std::string::npos) << message;
      continue;
    }
    ASSERT_EQ(message, c.message);
    if (!message.empty()) continue;
    TaskEditorModel::SaveResult saved = model.Save(c.fields);
    const TaskRecord& t = model.Tasks()[model.IndexOfId(saved.id)];
    EXPECT_EQ(saved.added, c.editing < 0);
    EXPECT_EQ(t.Desc, rt::TrimBlanks(c.fields.desc));
    EXPECT_EQ(saved.desc, t.Desc);
    EXPECT_EQ(t.Actions, c.actions);
    EXPECT_EQ(t.Prog, c.prog);
    EXPECT_EQ(t.Dir, c.dir);
    EXPECT_EQ(model.TaskIndex(), -1);
  }
}

TEST(TaskEditorModel, NewTasksTakeTheNextIdsAndASecondSaveNeverOverwrites) {
  TaskEditorModel model(std::vector<TaskRecord>{Record(7, "A")}, 7, AsciiEquals);
  EXPECT_FALSE(model.Changed());
  auto first = model.Save(Fields("B", "p", "", kShut));
  EXPECT_TRUE(model.Changed());
  auto second = model.Save(Fields("C", "q", "", kShut));
  EXPECT_EQ(first.id, 8);
  EXPECT_EQ(second.id, 9);
  EXPECT_TRUE(second.added);
  EXPECT_EQ(model.LastTaskId(), 9);
  ASSERT_EQ(model.Tasks().size(), 3u);
  EXPECT_EQ(model.Tasks()[1].Desc, "B");
}

TEST(TaskEditorModel, SavingIntoARecordDeletedWhileEditedMakesANewTask) {
  TaskEditorModel model(std::vector<TaskRecord>{Record(1, "A"), Record(2, "B")}, 2, AsciiEquals);
  model.SetTaskIndex(1);
  ASSERT_TRUE(model.Delete(2));
  EXPECT_EQ(model.TaskIndex(), -1);
  auto saved = model.Save(Fields("C", "p", "", kShut));
  EXPECT_TRUE(saved.added);
  EXPECT_EQ(saved.id, 3);
  EXPECT_EQ(model.Tasks()[1].ID, -1);
  EXPECT_EQ(model.Tasks()[1].Desc, "B");  // kept in memory, never written
  EXPECT_TRUE(model.Tasks()[1].Prog.empty());

  // Even with the index pointing at the deleted record, the values never land in it.
  model.SetTaskIndex(1);
  EXPECT_TRUE(model.Save(Fields("D", "p", "", kShut)).added);
  EXPECT_EQ(model.Tasks()[1].ID, -1);
}

TEST(TaskEditorModel, DeleteOfAnotherRecordKeepsTheEditAndUnknownIdsAreRefused) {
  TaskEditorModel model(std::vector<TaskRecord>{Record(1, "A"), Record(2, "B")}, 2, AsciiEquals);
  model.SetTaskIndex(0);
  EXPECT_TRUE(model.Delete(2));
  EXPECT_EQ(model.TaskIndex(), 0);
  EXPECT_FALSE(model.Delete(5));
}

TEST(TaskEditorModel, TheCopyIsTheFirstTaskCountRecordsAndLeavesTheSourceAlone) {
  std::vector<TaskRecord> shared = {Record(1, "A"), Record(2, "B"), Record(3, "stale")};
  TaskEditorModel model(DozIzevodoz::InUse(shared, 2), 2, AsciiEquals);
  model.Save(Fields("C", "p", "", kShut));
  shared.clear();  // a reload elsewhere
  ASSERT_EQ(model.Tasks().size(), 3u);
  EXPECT_EQ(model.Tasks()[2].Desc, "C");
  EXPECT_EQ(model.Tasks()[2].ID, 3);
}

TEST(TaskEditorModel, ActionsTickTheirBoxes) {
  struct {
    const char* actions;
    std::array<bool, kActionBoxCount> boxes;
  } cases[] = {
      {"ShutPwr", {true, true}},
      {"shut", {true}},
      {"", {}},
      {"XLogX", {false, false, false, true}},
      {"HibSusBoot", {false, false, true, false, true, true}},
  };
  for (const auto& c : cases) EXPECT_EQ(BoxesFor(c.actions), c.boxes) << c.actions;
}

// Only folders that exist are proposed: the working folder is hidden, and Save refuses one that
// does not exist.
TEST(TaskEditorModel, DefaultWorkDir) {
  const FolderTest exists = [](const std::string& folder) {
    return folder == "C:\\Tools\\" || folder == "D:\\Work\\" || folder == "\\";
  };
  struct {
    const char* dir;
    const char* prog;
    const char* expected;
  } cases[] = {
      {"", "C:\\Tools\\bk.exe", "C:\\Tools\\"},
      {"  ", "  C:\\Tools\\bk.exe ", "C:\\Tools\\"},
      {"D:\\Work\\", "C:\\Tools\\bk.exe", "D:\\Work\\"},
      {" D:\\Work\\ ", "C:\\Tools\\bk.exe", " D:\\Work\\ "},  // kept as it is; Save trims it
      {"D:\\Gone\\", "C:\\Tools\\bk.exe", "C:\\Tools\\"},
      {"", "prog.exe", ""},
      {"D:\\Gone\\", "prog.exe", ""},  // gone, and no folder to take: none
      {"", "\\x.exe", "\\"},
      {"", "E:\\Gone\\bk.exe", ""},  // the program's folder does not exist either
      {"D:\\Gone\\", "E:\\Gone\\bk.exe", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultWorkDir(c.dir, c.prog, exists), c.expected) << c.dir << c.prog;
}

// What a task resolved from a shortcut starts as: the shortcut's own choices (normal, maximised,
// minimised, which shortcuts store as "minimised without the focus") keep their meaning, and every
// other show command, hiding ones included, gives a window state the editor lists, never Hidden.
TEST(TaskEditorModel, ShortcutShowCommandsBecomeWindowStatesTheEditorLists) {
  // The editor's window states, and the show commands shortcuts store.
  constexpr int32_t kNormal = 1, kMaximised = 3, kMinimised = 6;
  constexpr int kShowNormal = 1, kShowMaximized = 3, kShowMinNoActive = 7;
  EXPECT_EQ(WinStyleOfShowCommand(kShowNormal), kNormal);
  EXPECT_EQ(WinStyleOfShowCommand(kShowMaximized), kMaximised);
  EXPECT_EQ(WinStyleOfShowCommand(kShowMinNoActive), kMinimised);
  for (int show = -1; show <= 12; ++show) {
    const int32_t style = WinStyleOfShowCommand(show);
    EXPECT_TRUE(style == kNormal || style == kMaximised || style == kMinimised) << show << " gives " << style;
  }
}

TEST(PlanDrop, SplitsNameFolderAndType) {
  using Kind = DropPlan::Kind;
  struct {
    const char* fid;
    Kind kind;
    const char* desc;
    const char* folder;
    const char* message;
  } cases[] = {
      {"C:\\Tools\\BK.EXE", Kind::Program, "BK", "C:\\Tools\\", ""},
      {"C:\\a.b\\x.y.exe", Kind::Program, "x.y", "C:\\a.b\\", ""},
      {"C:\\a.b\\noext", Kind::Refused, "noext", "C:\\a.b\\",
       "Cannot run \"C:\\a.b\\noext\"\r\nIncorrect File Type ()"},
      {"C:\\x\\Readme.TXT", Kind::Refused, "Readme", "C:\\x\\",
       "Cannot run \"C:\\x\\Readme.TXT\"\r\nIncorrect File Type (.txt)"},
      {"tool.bat", Kind::Program, "tool", "", ""},
      {"\\\\srv\\share\\run.cmd", Kind::Program, "run", "\\\\srv\\share\\", ""},
      {"C:\\x\\old.com", Kind::Program, "old", "C:\\x\\", ""},
      {"C:\\x\\Link.LNK", Kind::Shortcut, "Link", "C:\\x\\", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fid);
    DropPlan plan = PlanDrop(c.fid);
    EXPECT_EQ(plan.kind, c.kind);
    EXPECT_EQ(plan.message, c.message);
    if (c.kind == Kind::Refused) continue;
    EXPECT_EQ(plan.desc, c.desc);
    EXPECT_EQ(plan.folder, c.folder);
  }
}

}  // namespace
}  // namespace editors

namespace Folder {
namespace {

TEST(ProbedFolder, BlankPathsNeedNoProbeAndOthersGetOneBackslash) {
  EXPECT_EQ(ProbedFolder(""), std::nullopt);
  EXPECT_EQ(ProbedFolder("   "), std::nullopt);
  EXPECT_EQ(ProbedFolder("C:"), "C:\\");
  EXPECT_EQ(ProbedFolder(" C:\\T\\ "), "C:\\T\\");
  EXPECT_EQ(ProbedFolder("C:\\T"), "C:\\T\\");
}

}  // namespace
}  // namespace Folder
