// The task-run chooser over the real task file, the real registry and real controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "../support/registry_fixture.h"
#include "../support/tasks.h"
#include "../support/dib_canvas.h"
#include "../support/program_icon_check.h"
#include "app.h"
#include "form.h"
#include "frm_main.h"
#include "os/recording_shell.h"
#include "os/scripted_message_boxes.h"
#include "path_text.h"
#include "shared_state.h"
#include "task_store.h"
#include "tray_front_end.h"
#include "tray_resources.h"

using namespace DozIzevodoz;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";

class Chooser : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    test::DeleteKeyTree(kSettings);
    DeleteFileA(TaskFilePath().c_str());
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    test::DeleteKeyTree(kSettings);
    DeleteFileA(TaskFilePath().c_str());
    ResetSharedState();
    tray::SetTaskEditorOpener(nullptr);
  }
  // The task file the chooser's load reads.
  void TaskFile(std::vector<TaskRecord> tasks) {
    Tasks = std::move(tasks);
    TaskCount = static_cast<int32_t>(Tasks.size());
    ASSERT_TRUE(SaveTasks());
    Tasks.clear();
    TaskCount = 0;
  }
  tray::FrmMain& form() { return tray::frmMain(); }
  rt::ListBox& list() { return form().Ctl<rt::ListBox>("lstGroups"); }
  rt::OptionButton& option(const char* name) { return form().Ctl<rt::OptionButton>(name); }
  std::string label() { return form().Ctl<rt::Label>("lblTaskCnt").Caption(); }
  std::optional<std::string> runTasks() { return test::ReadText(kSettings, "RunTasks"); }
};

TEST_F(Chooser, TheLoadShowsTheTasksAndTheStoredChoice) {
  struct Case {
    const char* what;
    const char* stored;  // nullptr: no value
    std::vector<TaskRecord> tasks;
    bool runSelected, runEnabled, listEnabled;
    std::string current;  // text of the current item
  };
  const std::vector<TaskRecord> three = {test::Task(3, "Zeta", "Shut"), test::Task(1, "alpha", "Shut"),
                                         test::Task(2, "Mid", "Boot")};
  const Case cases[] = {
      {"no tasks, Yes", "Yes", {}, false, false, false, ""},
      {"tasks, Yes: the first task of the file is current", "Yes", three, true, true, true, "Zeta"},
      {"tasks, No", "No", three, false, true, false, ""},
      {"tasks, no value", nullptr, three, false, true, false, ""},
  };
  for (const Case& c : cases) {
    test::DeleteKeyTree(kSettings);
    if (c.stored) test::SetText(kSettings, "RunTasks", c.stored);
    TaskFile(c.tasks);
    form().Load();
    EXPECT_EQ(option("optGroup").Value(), c.runSelected) << c.what;
    EXPECT_EQ(option("optNone").Value(), !c.runSelected) << c.what;
    EXPECT_EQ(option("optGroup").Enabled(), c.runEnabled) << c.what;
    EXPECT_EQ(list().Enabled(), c.listEnabled) << c.what;
    EXPECT_EQ(list().ListCount(), static_cast<int>(c.tasks.size())) << c.what;
    // Greyed or not, the label counts the tasks listed beneath it.
    EXPECT_EQ(label(), std::to_string(c.tasks.size()) + " Tasks in List") << c.what;
    if (!c.current.empty()) EXPECT_EQ(list().List(list().ListIndex()), c.current) << c.what;
    // Nothing is written unless "Run Tasks" was selected (optNone was selected already).
    EXPECT_EQ(runTasks(), c.stored ? std::optional<std::string>(c.stored) : std::nullopt) << c.what;
    form().Unload();
  }
}

TEST_F(Chooser, ItemsAreSortedAndCarryTheirTaskIds) {
  TaskFile({test::Task(3, "Zeta", "Shut"), test::Task(1, "alpha", "Shut"), test::Task(2, "Mid", "Boot")});
  form().Load();
  ASSERT_EQ(list().ListCount(), 3);
  EXPECT_EQ(list().List(0), "alpha");
  EXPECT_EQ(list().ItemData(0), 1);
  EXPECT_EQ(list().List(2), "Zeta");
  EXPECT_EQ(list().ItemData(2), 3);
}

// Entries past TaskCount are not in use (an editor's work on the array): the chooser lists none.
TEST_F(Chooser, OnlyTheTasksInUseAreListed) {
  form().Load();
  Tasks = {test::Task(3, "Zeta", "Shut"), test::Task(-1, "Gone", "Shut"), test::Task(1, "alpha", "Shut"),
           test::Task(2, "Unused", "Boot")};
  TaskCount = 3;
  form().DispGroups("Unused");
  ASSERT_EQ(list().ListCount(), 2);
  EXPECT_EQ(list().List(0), "alpha");
  EXPECT_EQ(list().List(1), "Zeta");
  EXPECT_EQ(label(), "2 Tasks in List");
}

// What the group editor asks of the chooser through the tray's front end.
TEST_F(Chooser, TheFrontEndGivesTheCurrentTaskIdAndEnablesTheWindow) {
  test::SetText(kSettings, "RunTasks", "Yes");
  TaskFile({test::Task(3, "Zeta", "Shut"), test::Task(1, "alpha", "Shut")});
  tray::TrayFrontEnd frontEnd;
  HWND window = frontEnd.TaskChooserWindow();
  ASSERT_TRUE(form().IsLoaded());
  EXPECT_EQ(window, form().hWnd());
  EXPECT_EQ(frontEnd.TaskChooserCurrentId(), 3);  // Zeta, the first of the file
  frontEnd.EnableTaskChooser(false);
  EXPECT_FALSE(IsWindowEnabled(window));
  frontEnd.EnableTaskChooser(true);
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_EQ(runTasks(), "Yes");
}

// The task editor's "Finished": the list shows the tasks as edited, the label counts them, and
// "Run Tasks" can be chosen exactly while there is one.
TEST_F(Chooser, TheTaskEditorsFinishedRefillsTheListAndRunTasksFollowsIt) {
  test::SetText(kSettings, "RunTasks", "Yes");
  TaskFile({test::Task(1, "Old", "Shut"), test::Task(2, "Older", "Shut"), test::Task(3, "Oldest", "Shut")});
  form().Load();
  SendMessageA(option("optGroup").hWnd(), BM_CLICK, 0, 0);
  ASSERT_EQ(label(), "3 Tasks in List");
  tray::TrayFrontEnd frontEnd;
  frontEnd.RefillTaskChooser({"Zeta", "alpha"});
  ASSERT_EQ(list().ListCount(), 2);
  EXPECT_EQ(list().List(0), "alpha");
  EXPECT_EQ(list().List(1), "Zeta");
  EXPECT_TRUE(option("optGroup").Enabled());
  EXPECT_EQ(label(), "2 Tasks in List");
  frontEnd.RefillTaskChooser({});
  EXPECT_EQ(list().ListCount(), 0);
  EXPECT_FALSE(option("optGroup").Enabled());
  EXPECT_EQ(label(), "0 Tasks in List");
  frontEnd.RefillTaskChooser({"One"});
  EXPECT_TRUE(option("optGroup").Enabled());
  EXPECT_EQ(label(), "1 Tasks in List");
}

TEST_F(Chooser, DispGroupsSelectsByDescriptionIgnoringCaseAndSkipsDeletedTasks) {
  form().Load();
  Tasks = {test::Task(1, "ab", ""), test::Task(2, "AB", ""), test::Task(-1, "gone", "")};
  TaskCount = 3;
  form().DispGroups("aB");
  EXPECT_EQ(list().ListCount(), 2);
  EXPECT_TRUE(option("optGroup").Value());
  EXPECT_EQ(list().ListIndex(), 0);  // the first of the two in list order
  EXPECT_EQ(runTasks(), "Yes");

  // Not found: item 0 is current and the options stay.
  option("optNone").SetValue(true);
  form().DispGroups("nothing like it");
  EXPECT_TRUE(option("optNone").Value());
  EXPECT_EQ(list().ListIndex(), 0);

  // Only deleted tasks: nothing to choose.
  Tasks = {test::Task(-1, "gone", "")};
  TaskCount = 1;
  form().DispGroups("gone");
  EXPECT_EQ(list().ListCount(), 0);
  EXPECT_TRUE(option("optNone").Value());
  EXPECT_FALSE(option("optGroup").Enabled());
  EXPECT_FALSE(list().Enabled());
}

TEST_F(Chooser, TheOptionsStoreTheChoiceAndTheLabelCountsTheList) {
  TaskFile({test::Task(1, "One", "Shut"), test::Task(2, "Two", "Shut"), test::Task(3, "Three", "Shut")});
  form().Load();
  SendMessageA(option("optGroup").hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(label(), "3 Tasks in List");
  EXPECT_EQ(runTasks(), "Yes");
  EXPECT_TRUE(list().Enabled());
  // A click on any item keeps the count of the list (no group is looked up by a task's ID).
  list().SetListIndex(1);
  EXPECT_EQ(label(), "3 Tasks in List");
  SendMessageA(option("optNone").hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(runTasks(), "No");
  EXPECT_FALSE(list().Enabled());
}

void OpenEditor() { tray::frmMain().SetCaption("editor opened"); }

TEST_F(Chooser, AddEditTasksGoesToTheEditorAndHelpOpensTheHelpFile) {
  form().Show();
  auto& manage = form().Ctl<rt::CommandButton>("btnManage");
  manage.Click();
  EXPECT_TRUE(form().Visible()) << "without an editor the chooser must stay";
  tray::SetTaskEditorOpener(&OpenEditor);
  manage.Click();
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(form().Caption(), "editor opened");

  os::RecordingShell shell;
  os::Install<os::Shell> installed{&shell};
  form().Show();
  POINT inside{};
  RECT r = form().Ctl<rt::Image>("Image1").PixelRect();
  HWND surface = form().Ctl<rt::Image>("Image1").SurfaceWindow();
  inside = {r.left + 4, r.top + 4};
  SendMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
  SendMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "Open");
  EXPECT_EQ(shell.requests[0].file, rt::JoinPath(rt::App().Path, "Tarnwick.chm"));
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);

  form().Ctl<rt::CommandButton>("btnClose").Click();
  EXPECT_FALSE(form().IsLoaded());
}

// The chooser's own help picture is a white question mark on a blue disc, and its window carries
// the program's icon as the other dialogs do.
TEST_F(Chooser, ItsHelpPictureIsTheBlueOneAndItsWindowHasTheProgramIcon) {
  form().Load();
  auto blue = [](int r, int g, int b) { return b > 150 && b > r + 80 && b > g + 40; };
  auto white = [](int r, int g, int b) { return r > 220 && g > 220 && b > 220; };
  auto yellow = [](int r, int g, int b) { return r > 200 && g > 150 && b < 90; };
  const test::Picture help =
      test::DrawnIcon(static_cast<HICON>(form().Ctl<rt::Image>("Image1").Picture()), 32);
  EXPECT_GT(test::CountPixels(help, 0, 0, 32, 32, blue), 300);
  EXPECT_GT(test::CountPixels(help, 8, 4, 16, 24, white), 40) << "no white question mark in the middle";
  EXPECT_EQ(test::CountPixels(help, 0, 0, 32, 32, yellow), 0);

  EXPECT_TRUE(test::ShowsProgramIcon(form().hWnd()));
}

// A failure while the task editor's list is taken over is reported under the procedure's own name.
TEST_F(Chooser, AFailureOfShowEditedTasksNamesIt) {
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> installed{&boxes};
  rt::SetQuitting(true);  // no form loads now, so the chooser has no list to fill
  form().ShowEditedTasks({"One"});
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Application Error");
  EXPECT_NE(boxes.shown[0].text.find(".frmMain.ShowEditedTasks at line "), std::string::npos) << boxes.shown[0].text;
}

}  // namespace
