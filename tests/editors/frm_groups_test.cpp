#include "frm_groups.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "app.h"
#include "drop_files.h"
#include "frm_task.h"
#include "message_loop.h"
#include "os/scripted_message_boxes.h"
#include "process_driver.h"
#include "program_icon_check.h"
#include "recording_front_end.h"
#include "window_picture.h"
#include "shared_state.h"
#include "task_store.h"
#include "text_file.h"

namespace editors {
namespace {

constexpr char kTasks[] =
    "3\tBackup\tC:\\bk.exe\t\t\t1\tShut\r\n\r\n"
    "5\tMail\tC:\\m.exe\t\t\t1\tShut\r\n\r\n"
    "8\tSync\tC:\\s.exe\t\t\t1\tPwr\r\n\r\n"
    "11\tClean\tC:\\c.exe\t\t\t1\tLog\r\n\r\n";

// The editor on real Tasks.txt and Groups.txt in a program folder of its own, with real windows;
// only the boxes and the windows of the tray (the chooser, the progress window) are stand-ins.
class GroupEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "tarnwick-groups-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    savedPath_ = rt::App().Path;
    rt::App().Path = folder_;
    DozIzevodoz::ResetSharedState();
    DozIzevodoz::SetFrontEnd(&frontEnd_);
    Write(DozIzevodoz::TaskFilePath(), kTasks);
  }
  void TearDown() override {
    frmTask().Unload();
    frmGroups().Unload();
    frontEnd_.chooser.Unload();
    rt::DoEvents();
    DozIzevodoz::SetFrontEnd(nullptr);
    for (const std::string& file : {DozIzevodoz::TaskFilePath(), DozIzevodoz::GroupFilePath()}) {
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(folder_.c_str());
    rt::App().Path = savedPath_;
    DozIzevodoz::ResetSharedState();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
  }
  static std::string GroupFile() {
    return DozIzevodoz::ReadWholeFile(DozIzevodoz::GroupFilePath()).value_or("<none>");
  }
  void Open() {
    ShowGroupEditor();
    rt::DoEvents();
  }
  static FrmGroups& Form() { return frmGroups(); }
  static void Click(const char* name) { SendMessageA(Form().Ctl<rt::Control>(name).hWnd(), BM_CLICK, 0, 0); }
  // A click that reaches the handler even where the button is disabled.
  static void Command(const char* name) {
    HWND button = Form().Ctl<rt::Control>(name).hWnd();
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  static rt::ListBox& List(const char* name) { return Form().Ctl<rt::ListBox>(name); }
  static rt::TextBox& Desc() { return Form().Ctl<rt::TextBox>("txtDesc"); }
  static bool Enabled(const char* name) { return Form().Ctl<rt::Control>(name).Enabled(); }
  static std::string Guidance() { return Form().Ctl<rt::Label>("lblWelcome").Caption(); }
  static bool Editing() { return Form().Ctl<rt::Control>("fraGroup").Visible(); }
  // The user selects these entries of a task list (the last one current), as a mouse would.
  static void Choose(const char* name, std::initializer_list<int> entries) {
    rt::ListBox& list = List(name);
    SendMessageA(list.hWnd(), LB_SETSEL, FALSE, -1);
    for (int i : entries) {
      SendMessageA(list.hWnd(), LB_SETSEL, TRUE, i);
      SendMessageA(list.hWnd(), LB_SETCARETINDEX, i, FALSE);
    }
    SendMessageA(GetParent(list.hWnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.hWnd()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.hWnd()));
  }
  static std::vector<std::string> Entries(const char* name) {
    std::vector<std::string> texts;
    for (int i = 0; i < List(name).ListCount(); ++i) texts.push_back(List(name).List(i));
    return texts;
  }
  static int IndexOf(const char* name, const std::string& text) {
    for (int i = 0; i < List(name).ListCount(); ++i)
      if (List(name).List(i) == text) return i;
    return -1;
  }
  bool ChooserEnabled() { return IsWindowEnabled(frontEnd_.chooser.hWnd()) != FALSE; }

  std::string folder_, savedPath_;
  test::RecordingFrontEnd frontEnd_;
  os::ScriptedMessageBoxes boxes_;
  os::Install<os::MessageBoxes> installBoxes_{&boxes_};
};

using Strings = std::vector<std::string>;

TEST_F(GroupEditor, ANewGroupIsBuiltOrderedCheckedAndWrittenOnDone) {
  Open();
  EXPECT_EQ(Form().Caption(), "Moxbel Tarnwick - Add/Edit Tasks");
  EXPECT_EQ(Guidance(), "Click the \"New Group\" button to create a new Task Group.");
  EXPECT_FALSE(Enabled("btnEditGroup"));
  EXPECT_FALSE(Enabled("btnDelGroup"));
  EXPECT_FALSE(Editing());
  EXPECT_FALSE(ChooserEnabled());

  Click("btnNewGroup");
  EXPECT_TRUE(Editing());
  EXPECT_EQ(Desc().Text(), "Group 1");
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Backup", "Mail", "Sync", "Clean"}));
  EXPECT_EQ(List("lstTasksAvail").ListIndex(), 0);
  EXPECT_EQ(Guidance(), "Enter the new Group's Description, then add its Tasks to the list of \"Selected Tasks\".");
  EXPECT_FALSE(Enabled("btnDone"));
  EXPECT_FALSE(Enabled("btnCancel"));
  EXPECT_FALSE(Enabled("lstGroups"));
  for (const char* off : {"btnTest", "btnRemAll", "btnRemOne", "btnUp", "btnDown", "btnAddOne"})
    EXPECT_FALSE(Enabled(off)) << off;
  EXPECT_TRUE(Enabled("btnAddAll"));
  SendMessageA(List("lstTasksAvail").hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Guidance(),
            "Drag and Drop a Program or Shortcut icon to the \"Available Tasks\" list, to create a new task.");

  Choose("lstTasksAvail", {1, 2, 3});
  EXPECT_TRUE(Enabled("btnAddOne"));
  Click("btnAddOne");  // several at once keep their order
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Mail", "Sync", "Clean"}));
  EXPECT_EQ(List("lstTasksSel").ListIndex(), 2);
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Backup"}));
  EXPECT_TRUE(Enabled("btnTest"));
  EXPECT_TRUE(Enabled("btnRemAll"));
  EXPECT_FALSE(Enabled("btnRemOne"));
  EXPECT_FALSE(Enabled("btnAddOne"));
  Choose("lstTasksSel", {0, 2});  // and back the same way
  Click("btnRemOne");
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Backup", "Mail", "Clean"}));
  Choose("lstTasksAvail", {1, 2});
  Click("btnAddOne");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Sync", "Mail", "Clean"}));

  Choose("lstTasksSel", {2});  // Clean, the last
  EXPECT_TRUE(Enabled("btnUp"));
  EXPECT_FALSE(Enabled("btnDown"));
  Click("btnUp");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Sync", "Clean", "Mail"}));
  EXPECT_TRUE(Enabled("btnUp"));
  EXPECT_TRUE(Enabled("btnDown"));
  Click("btnUp");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Clean", "Sync", "Mail"}));
  EXPECT_TRUE(List("lstTasksSel").Selected(0));
  EXPECT_FALSE(Enabled("btnUp"));
  Command("btnUp");  // on the first entry: nothing
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Clean", "Sync", "Mail"}));
  Choose("lstTasksSel", {2});
  Command("btnDown");  // on the last entry: nothing
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Clean", "Sync", "Mail"}));

  struct Attempt {
    const char* desc;
    std::string message;
  } attempts[] = {
      {"   ", "You must enter a Description"},
      {"night/shift", "The Group Description (night/shift)\r\nContains one or more invalid characters (?*\"<>|/\\:)"},
  };
  for (const Attempt& a : attempts) {
    Desc().SetText(a.desc);
    Click("btnSaveGroup");
    ASSERT_FALSE(boxes_.shown.empty());
    EXPECT_EQ(boxes_.shown.back().text, a.message);
    EXPECT_EQ(boxes_.shown.back().title, "Moxbel Tarnwick");
    EXPECT_EQ(boxes_.shown.back().flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(Editing());
    EXPECT_EQ(Desc().Text(), a.desc);
  }
  boxes_.shown.clear();
  Desc().SetText("  Night ");
  Click("btnSaveGroup");
  ASSERT_TRUE(boxes_.shown.empty()) << boxes_.shown[0].text;
  EXPECT_FALSE(Editing());
  EXPECT_EQ(Guidance(), "The Group's information has been saved.");
  EXPECT_EQ(Entries("lstGroups"), (Strings{"Night"}));
  EXPECT_EQ(List("lstGroups").ListIndex(), 0);
  EXPECT_TRUE(Enabled("btnEditGroup"));
  EXPECT_TRUE(Enabled("btnDone"));
  EXPECT_EQ(GroupFile(), "<none>");  // nothing on disk before Done

  Click("btnDone");
  rt::DoEvents();
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t11;8;5\r\n");
  EXPECT_TRUE(ChooserEnabled());
  // The chooser lists tasks: Done neither refills it nor moves its selection or its "Run Tasks".
  EXPECT_EQ(frontEnd_.calls, (Strings{"frmMain.Show", "frmMain.Enabled=False", "frmMain.Enabled=True",
                                      "frmMain.Show", "frmMain.Enabled=True"}));
  DozIzevodoz::LoadGroups();
  ASSERT_EQ(DozIzevodoz::GroupCount, 1);
  EXPECT_EQ(DozIzevodoz::Groups[0].TaskIDs, "11;8;5");
}

TEST_F(GroupEditor, EditShowsTheStoredRunOrderAndSavingKeepsIt) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t8;3;42\r\n2\tDay\t5\r\n");
  frontEnd_.chooserCurrentId = 2;
  Open();
  EXPECT_EQ(Entries("lstGroups"), (Strings{"Day", "Night"}));
  EXPECT_EQ(List("lstGroups").ListIndex(), 0);  // the chooser's
  EXPECT_EQ(Guidance(),
            "Click the \"New Group\" button, or select a Group from the list on the left, then click the \"Edit "
            "Group\" or \"Delete Group\" button.");

  List("lstGroups").SetListIndex(1);
  Click("btnEditGroup");
  EXPECT_EQ(Desc().Text(), "Night");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Sync", "Backup"}));  // run order, 42 names no task
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Mail", "Clean"}));
  EXPECT_EQ(Guidance(), "Edit the Group's information, then click the \"Save Changes\" button.");

  Desc().SetText("DAY");
  Click("btnSaveGroup");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "A Group named \"DAY\" Already Exists.\r\nPlease select a different Description.");
  Desc().SetText("night");  // its own name in other letters
  Click("btnSaveGroup");
  EXPECT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(Entries("lstGroups"), (Strings{"Day", "night"}));

  Click("btnDone");
  EXPECT_EQ(GroupFile(), "1\tnight\t8;3\r\n2\tDay\t5\r\n");
  // The chooser's current entry is a task whose ID a group shares: Done leaves the chooser alone.
  EXPECT_EQ(frontEnd_.calls, (Strings{"frmMain.Show", "frmMain.Enabled=False", "frmMain.Enabled=True",
                                      "frmMain.Show", "frmMain.Enabled=True"}));
}

TEST_F(GroupEditor, DeleteAsksAndIsWrittenOnlyByDone) {
  Write(DozIzevodoz::GroupFilePath(), "1\tA\t3\r\n2\tB\t5\r\n3\tC\t8\r\n");
  Open();
  List("lstGroups").SetListIndex(1);
  boxes_.answers = {IDNO, IDYES};
  Click("btnDelGroup");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Delete Task Group:\r\n\r\n\r\nB");
  EXPECT_EQ(boxes_.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(Guidance(), "The Group was Not deleted.");
  Click("btnDelGroup");
  EXPECT_EQ(Guidance(), "The Group has been deleted.");
  EXPECT_EQ(Entries("lstGroups"), (Strings{"A", "C"}));
  EXPECT_EQ(List("lstGroups").ListIndex(), 0);

  Click("btnNewGroup");
  EXPECT_EQ(Desc().Text(), "Group 4");  // the deleted slot counts
  Click("btnCancelGroup");
  EXPECT_EQ(Guidance(), "Changes to the Group's information have been discarded.");
  EXPECT_FALSE(Editing());

  boxes_.answers = {IDYES, IDYES};
  Click("btnDelGroup");
  Click("btnDelGroup");
  EXPECT_EQ(List("lstGroups").ListCount(), 0);
  EXPECT_EQ(List("lstGroups").ListIndex(), -1);
  EXPECT_FALSE(Enabled("btnEditGroup"));
  EXPECT_FALSE(Enabled("btnDelGroup"));
  EXPECT_EQ(GroupFile(), "1\tA\t3\r\n2\tB\t5\r\n3\tC\t8\r\n");
  Click("btnDone");
  EXPECT_EQ(GroupFile(), "");
}

TEST_F(GroupEditor, DoneDropsVanishedTasksAndOffersToDeleteEmptiedGroups) {
  const std::string groups = "1\tNight\t8;99;3\r\n2\tOld\t99;98\r\n3\tDay\t5\r\n";
  Write(DozIzevodoz::GroupFilePath(), groups);
  Open();
  boxes_.answers = {IDNO};
  Click("btnDone");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Group \"Old\" Has no Tasks.\r\n\r\nDelete this Group?");
  EXPECT_EQ(boxes_.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  // Kept: it is opened for editing and nothing is saved.
  ASSERT_TRUE(Form().IsLoaded());
  EXPECT_TRUE(Editing());
  EXPECT_EQ(Desc().Text(), "Old");
  EXPECT_EQ(List("lstTasksSel").ListCount(), 0);
  EXPECT_EQ(GroupFile(), groups);

  Click("btnCancelGroup");
  boxes_.answers = {IDYES};
  Click("btnDone");
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t8;3\r\n3\tDay\t5\r\n");
}

TEST_F(GroupEditor, DoneReportsATaskIdThatIsNoNumberAndDropsIt) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t8;x;3\r\n");
  Open();
  Click("btnDone");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].title, "Application Error");
  const std::string& text = boxes_.shown[0].text;
  EXPECT_EQ(text.rfind("Type mismatch: \"x\" in the tasks of the group \"Night\" is no task number\r\nin ", 0), 0u)
      << text;
  EXPECT_NE(text.find(".frmGroups.btnDone_Click at line "), std::string::npos) << text;
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t8;3\r\n");
}

// Exit from the tray while Done asks about an emptied group: the dialog goes, and Done neither
// asks again nor writes anything over the groups it no longer holds.
TEST_F(GroupEditor, AQuitWhileDoneAsksEndsDoneThere) {
  const std::string groups = "1\tOld\t99\r\n2\tGone\t98\r\n3\tDay\t5\r\n";
  Write(DozIzevodoz::GroupFilePath(), groups);
  Open();
  boxes_.answers = {IDYES, IDYES};
  boxes_.whileShown = [](const os::ShownBox&) { rt::Forms::UnloadAll(); };
  Click("btnDone");
  boxes_.whileShown = nullptr;
  rt::SetQuitting(false);  // before any assertion can leave the test: the quit is over
  EXPECT_FALSE(Form().IsLoaded());
  ASSERT_EQ(boxes_.shown.size(), 1u) << boxes_.shown.back().text;
  EXPECT_EQ(boxes_.shown[0].text, "Group \"Old\" Has no Tasks.\r\n\r\nDelete this Group?");
  EXPECT_EQ(GroupFile(), groups);
  EXPECT_EQ(DozIzevodoz::GroupCount, 3);
}

// The updater ends the program: the editor asks first when it holds work not yet saved.
TEST_F(GroupEditor, AnUpdateAsksBeforeItDropsUnsavedWork) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t3\r\n");
  Open();
  EXPECT_TRUE(rt::Forms::QueryEnd());
  EXPECT_TRUE(boxes_.shown.empty());

  Click("btnNewGroup");
  boxes_.answers = {IDNO};
  EXPECT_FALSE(rt::Forms::QueryEnd());
  ASSERT_EQ(boxes_.shown.size(), 1u);  // the question itself: the task editor's test
  EXPECT_EQ(boxes_.shown[0].text.rfind("The group editor has changes that are not saved", 0), 0u);
  EXPECT_TRUE(Editing());

  Click("btnCancelGroup");
  EXPECT_TRUE(rt::Forms::QueryEnd());
  EXPECT_EQ(boxes_.shown.size(), 1u);

  boxes_.answers = {IDYES, IDYES};
  List("lstGroups").SetListIndex(0);
  Click("btnDelGroup");  // a delete is work too, until Done writes it
  EXPECT_TRUE(rt::Forms::QueryEnd());
  EXPECT_EQ(boxes_.shown.size(), 3u);
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
}

TEST_F(GroupEditor, ADoneThatCannotWriteSaysSoAndKeepsTheWork) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t3\r\n");
  SetFileAttributesA(DozIzevodoz::GroupFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
  Open();
  Click("btnNewGroup");
  Click("btnAddAll");
  Click("btnSaveGroup");
  frontEnd_.calls.clear();
  Click("btnDone");
  rt::DoEvents();
  ASSERT_TRUE(Form().IsLoaded());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find(DozIzevodoz::GroupFilePath()), std::string::npos) << boxes_.shown[0].text;
  EXPECT_EQ(Entries("lstGroups"), (Strings{"Group 2", "Night"}));
  EXPECT_TRUE(frontEnd_.calls.empty());
  EXPECT_EQ(DozIzevodoz::GroupCount, 1);  // the shared groups are still the file's
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
  EXPECT_FALSE(ChooserEnabled());

  SetFileAttributesA(DozIzevodoz::GroupFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
  Click("btnDone");
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n2\tGroup 2\t3;5;8;11\r\n");
}

// A group file that another program held when the editor opened gave it no groups: Done must not
// write that list over the file's groups.
TEST_F(GroupEditor, AnEditorThatCouldNotReadTheGroupFileKeepsIt) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t3\r\n");
  HANDLE held =
      CreateFileA(DozIzevodoz::GroupFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Open();
  CloseHandle(held);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find("could not be read"), std::string::npos) << boxes_.shown[0].text;
  EXPECT_TRUE(Entries("lstGroups").empty());

  Click("btnNewGroup");
  Click("btnAddAll");
  Click("btnSaveGroup");
  frontEnd_.calls.clear();
  Click("btnDone");  // the editor's one group would replace the file's
  rt::DoEvents();
  ASSERT_TRUE(Form().IsLoaded());
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_NE(boxes_.shown[1].text.find("kept as it is"), std::string::npos) << boxes_.shown[1].text;
  EXPECT_NE(boxes_.shown[1].text.find(DozIzevodoz::GroupFilePath()), std::string::npos);
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
  EXPECT_TRUE(frontEnd_.calls.empty());

  // Opened again once the file can be read, the editor works on the file's groups.
  Click("btnCancel");
  Open();
  EXPECT_EQ(Entries("lstGroups"), (Strings{"Night"}));
  Click("btnDone");
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
}

TEST_F(GroupEditor, ADoubleClickMovesTheChosenTasksToTheOtherList) {
  Open();
  Click("btnNewGroup");
  auto doubleClick = [](const char* name) {
    HWND list = List(name).hWnd();
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
  };
  Choose("lstTasksAvail", {1, 3});
  doubleClick("lstTasksAvail");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Mail", "Clean"}));
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Backup", "Sync"}));
  EXPECT_TRUE(Enabled("btnTest"));
  Choose("lstTasksSel", {0});
  doubleClick("lstTasksSel");
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Clean"}));
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Backup", "Sync", "Mail"}));
  EXPECT_EQ(List("lstTasksAvail").ListIndex(), 2);
}

TEST_F(GroupEditor, TestRunsTheSelectedTasksInListOrderAndChangesNoGroup) {
  Open();
  Click("btnNewGroup");
  Command("btnTest");  // nothing selected: the button goes off, nothing runs
  EXPECT_FALSE(Enabled("btnTest"));
  EXPECT_EQ(frontEnd_.calls, (Strings{"frmMain.Show", "frmMain.Enabled=False"}));

  Choose("lstTasksAvail", {3});
  Click("btnAddOne");
  Choose("lstTasksAvail", {1});
  Click("btnAddOne");
  Click("btnTest");
  EXPECT_EQ(frontEnd_.calls.back(), "frmProg.TryRun ids=11;5 names=Clean;Mail action=");
  EXPECT_EQ(frontEnd_.started, (Strings{"Clean", "Mail"}));
  EXPECT_TRUE(IsWindowEnabled(Form().hWnd()));
  EXPECT_TRUE(Form().Model()->Groups().empty());
  EXPECT_TRUE(Editing());
}

TEST_F(GroupEditor, CancelAndCloseDropTheChangesAndGiveTheChooserBack) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t3\r\n");
  Open();
  boxes_.answers = {IDYES};
  Click("btnDelGroup");
  Click("btnCancel");
  rt::DoEvents();
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
  EXPECT_EQ(DozIzevodoz::GroupCount, 1);
  EXPECT_TRUE(ChooserEnabled());
  EXPECT_EQ(frontEnd_.calls, (Strings{"frmMain.Show", "frmMain.Enabled=False", "frmMain.Enabled=True",
                                      "frmMain.Show", "frmMain.Enabled=True"}));

  Open();
  EXPECT_FALSE(ChooserEnabled());
  Click("btnNewGroup");
  SendMessageA(Form().hWnd(), WM_CLOSE, 0, 0);
  rt::DoEvents();
  EXPECT_FALSE(Form().IsLoaded());
  EXPECT_TRUE(ChooserEnabled());
  EXPECT_EQ(GroupFile(), "1\tNight\t3\r\n");
}

TEST_F(GroupEditor, TheTaskEditorOpenedFromHereComesBackHereWithTheTasksAsTheyAreNow) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t8;3\r\n");
  Open();
  List("lstGroups").SetListIndex(0);
  Click("btnEditGroup");
  Click("btnTasks");
  ASSERT_TRUE(frmTask().IsLoaded());
  EXPECT_FALSE(Form().Visible());

  // In the task editor: Sync is deleted and the tasks are saved.
  rt::ListBox& tasks = frmTask().Ctl<rt::ListBox>("lstTasks");
  for (int i = 0; i < tasks.ListCount(); ++i)
    if (tasks.List(i) == "Sync") tasks.SetListIndex(i);
  boxes_.answers = {IDYES};
  SendMessageA(frmTask().Ctl<rt::Control>("btnDelTask").hWnd(), BM_CLICK, 0, 0);
  SendMessageA(frmTask().Ctl<rt::Control>("btnDone").hWnd(), BM_CLICK, 0, 0);
  rt::DoEvents();
  EXPECT_FALSE(frmTask().IsLoaded());
  ASSERT_TRUE(Form().Visible());
  EXPECT_TRUE(Editing());
  EXPECT_EQ(Entries("lstTasksSel"), (Strings{"Backup"}));
  EXPECT_EQ(Entries("lstTasksAvail"), (Strings{"Mail", "Clean"}));
  EXPECT_EQ(frontEnd_.calls.back(), "frmMain.lstGroups=Backup,Mail,Clean");  // not frmMain.Show

  // A file dropped on the available tasks starts a new task; the dialog waits for it.
  rt::ListBox& avail = List("lstTasksAvail");
  SendMessageA(avail.hWnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop({3, 3}, {"C:\\x\\Run.exe"})), 0);
  ASSERT_TRUE(frmTask().IsLoaded());
  EXPECT_EQ(frmTask().Ctl<rt::TextBox>("txtDesc").Text(), "Run");
  EXPECT_FALSE(IsWindowEnabled(Form().hWnd()));
  SendMessageA(frmTask().Ctl<rt::Control>("btnCancel").hWnd(), BM_CLICK, 0, 0);  // Return
  rt::DoEvents();
  EXPECT_TRUE(IsWindowEnabled(Form().hWnd()));
  EXPECT_TRUE(Form().Visible());
}

TEST_F(GroupEditor, ItsWindowShowsTheProgramIcon) {
  Open();
  EXPECT_TRUE(test::ShowsProgramIcon(Form().hWnd()));
}

TEST_F(GroupEditor, PictureOfTheDialog) {
  Write(DozIzevodoz::GroupFilePath(), "1\tNight\t8;3\r\n2\tDay\t5\r\n");
  Open();
  List("lstGroups").SetListIndex(1);
  Click("btnEditGroup");
  Choose("lstTasksSel", {1});
  // The stand-in chooser is never placed on screen: the dialog is put where the picture is taken.
  SetWindowPos(Form().hWnd(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE);
  for (int i = 0; i < 10; ++i) {
    rt::DoEvents();
    Sleep(20);
  }
  test::Picture picture = test::CaptureWindow(Form().hWnd());
  ASSERT_GT(picture.width, 0);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "group-editor"));
  auto colourIs = [](COLORREF c) {
    return [c](int r, int g, int b) { return r == GetRValue(c) && g == GetGValue(c) && b == GetBValue(c); };
  };
  auto dark = [](int r, int g, int b) { return r + g + b < 200; };
  // Where a control lies in the picture, which is the dialog's client area.
  auto at = [](const char* name) {
    const rt::Control& control = Form().Ctl<rt::Control>(name);
    RECT r = control.PixelRect();
    if (control.IsWindowless()) {
      MapWindowPoints(control.SurfaceWindow(), Form().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    } else {
      GetWindowRect(control.hWnd(), &r);
      MapWindowPoints(nullptr, Form().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
  };
  auto count = [&](const char* name, auto accepts) {
    RECT r = at(name);
    return test::CountPixels(picture, r.left, r.top, r.right - r.left, r.bottom - r.top, accepts);
  };
  // The editing frame is up: both task lists on their window colour with their entries written,
  // the chosen entry of the Selected list highlighted, and the Up button (the last entry is
  // chosen, so only Up is on) with its arrow.
  for (const char* list : {"lstTasksSel", "lstTasksAvail"}) {
    RECT r = at(list);
    EXPECT_GT(count(list, colourIs(GetSysColor(COLOR_WINDOW))), (r.right - r.left) * (r.bottom - r.top) / 2) << list;
    EXPECT_GT(count(list, dark), 20) << list;
  }
  EXPECT_GT(count("lstTasksSel", colourIs(GetSysColor(COLOR_HIGHLIGHT))), 100);
  EXPECT_EQ(count("lstTasksAvail", colourIs(GetSysColor(COLOR_HIGHLIGHT))), 0);
  EXPECT_GT(count("btnUp", dark), 10);
  EXPECT_GT(count("lblWelcome", dark), 100);  // the guidance
}

}  // namespace
}  // namespace editors
