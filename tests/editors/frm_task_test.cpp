#include "frm_task.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app.h"
#include "drop_files.h"
#include "message_loop.h"
#include "os/recording_shell.h"
#include "program_icon_check.h"
#include "os/scripted_message_boxes.h"
#include "os/scripted_open_file_dialog.h"
#include "recording_front_end.h"
#include "shared_state.h"
#include "shortcut_link.h"
#include "shortcut_writer.h"
#include "task_store.h"
#include "text_file.h"
#include "window_picture.h"

namespace editors {
namespace {

using DozIzevodoz::TaskRecord;

// The editor on a real Tasks.txt in a program folder of its own, with real windows; only the
// boxes, the Open dialog, the shell and the chooser are stand-ins.
class TaskEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "tarnwick-editor-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA(Tools().c_str(), nullptr);
    Touch(Tools() + "Run.exe");
    savedPath_ = rt::App().Path;
    rt::App().Path = folder_;
    DozIzevodoz::ResetSharedState();
    DozIzevodoz::SystemDriveRoot = "C:\\";
    DozIzevodoz::SetFrontEnd(&frontEnd_);
  }
  void TearDown() override {
    frmTask().Unload();
    rt::DoEvents();
    DozIzevodoz::SetFrontEnd(nullptr);
    SetFileAttributesA(DozIzevodoz::TaskFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(DozIzevodoz::TaskFilePath().c_str());
    DeleteFileA((Tools() + "Run.exe").c_str());
    DeleteFileA((Tools() + "Run.lnk").c_str());
    RemoveDirectoryA(Tools().c_str());
    RemoveDirectoryA(folder_.c_str());
    rt::App().Path = savedPath_;
    DozIzevodoz::ResetSharedState();
  }
  std::string Tools() const { return folder_ + "\\Tools\\"; }
  static void Touch(const std::string& path, const std::string& bytes = "") {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
  }
  static std::string TaskFile() { return DozIzevodoz::ReadWholeFile(DozIzevodoz::TaskFilePath()).value_or("<none>"); }
  void WriteTasks(const std::string& lines) { Touch(DozIzevodoz::TaskFilePath(), lines); }
  void Open() {
    frmTask().Show();
    rt::DoEvents();
  }
  static void Click(const char* name) {
    SendMessageA(frmTask().Ctl<rt::Control>(name).hWnd(), BM_CLICK, 0, 0);
  }
  static rt::TextBox& Text(const char* name) { return frmTask().Ctl<rt::TextBox>(name); }
  static rt::ListBox& List() { return frmTask().Ctl<rt::ListBox>("lstTasks"); }
  static bool Enabled(const char* name) { return frmTask().Ctl<rt::Control>(name).Enabled(); }
  static void Drop(HWND target, POINT at, const std::vector<std::string>& files) {
    SendMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(test::MakeDrop(at, files)), 0);
  }
  // A point inside a windowless control, in its container's client pixels.
  static POINT Inside(const char* name) {
    RECT r = frmTask().Ctl<rt::Control>(name).PixelRect();
    return {r.left + 2, r.top + 2};
  }

  std::string folder_, savedPath_;
  test::RecordingFrontEnd frontEnd_;
  os::ScriptedMessageBoxes boxes_;
  os::Install<os::MessageBoxes> installBoxes_{&boxes_};
  os::ScriptedOpenFileDialog dialog_;
  os::Install<os::OpenFileDialog> installDialog_{&dialog_};
  os::RecordingShell shell_;
  os::Install<os::Shell> installShell_{&shell_};
};

const char kTwoTasks[] =
    "4\tBackup\tC:\\bk.exe\t/q\t\t3\tShutPwr\r\n\r\n"
    "9\tAlpha\tC:\\a.exe\t\t\t7\tXLogX\r\n\r\n";

TEST_F(TaskEditor, DropOnTheProgramBoxSaveAndFinishedWriteTheTaskFile) {
  WriteTasks(kTwoTasks);
  Open();
  EXPECT_EQ(frmTask().Caption(), "Moxbel Tarnwick - Add or Edit Tasks");
  ASSERT_EQ(List().ListCount(), 2);
  EXPECT_EQ(List().List(0), "Alpha");  // sorted
  EXPECT_EQ(List().ListIndex(), 0);

  Click("btnNewTask");
  EXPECT_EQ(Text("txtDesc").Text(), "Task 3");
  EXPECT_FALSE(Enabled("btnDone"));
  Drop(Text("txtProg").hWnd(), {2, 2}, {Tools() + "Run.exe", "C:\\second.exe"});
  EXPECT_EQ(Text("txtDesc").Text(), "Run");
  EXPECT_EQ(Text("txtProg").Text(), Tools() + "Run.exe");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
  Text("txtArgs").SetText("-x");
  Click("ckReboot");
  Click("ckShutdown");
  Click("btnSaveTask");
  ASSERT_TRUE(boxes_.shown.empty()) << boxes_.shown[0].text;
  ASSERT_EQ(List().ListCount(), 3);
  EXPECT_EQ(List().ItemData(List().ListIndex()), 10);
  EXPECT_EQ(Text("txtDesc").Text(), "");
  EXPECT_TRUE(Enabled("btnDone"));
  EXPECT_EQ(TaskFile(), kTwoTasks);  // nothing on disk before "Finished"

  Click("btnDone");
  rt::DoEvents();
  EXPECT_FALSE(frmTask().IsLoaded());
  EXPECT_EQ(TaskFile(), std::string(kTwoTasks) + "10\tRun\t" + Tools() + "Run.exe\t-x\t" + Tools() +
                            "\t1\tShutBoot\r\n\r\n");
  EXPECT_EQ(frontEnd_.calls,
            (std::vector<std::string>{"frmMain.lstGroups=Backup,Alpha,Run", "frmMain.Show"}));
  EXPECT_EQ(DozIzevodoz::LastTaskId, 10);
}

TEST_F(TaskEditor, DropsReachTheEditorFromItsTargetsOnly) {
  Open();
  HWND pic = frmTask().Ctl<rt::Control>("picTask").hWnd();
  Drop(pic, Inside("lblDesc"), {"C:\\x\\FromLabel.exe"});
  EXPECT_EQ(Text("txtDesc").Text(), "FromLabel");
  Drop(frmTask().hWnd(), {3, 3}, {"C:\\x\\FromForm.bat"});
  EXPECT_EQ(Text("txtDesc").Text(), "FromForm");
  Drop(List().hWnd(), {3, 3}, {"C:\\x\\Readme.TXT"});
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Cannot run \"C:\\x\\Readme.TXT\"\r\nIncorrect File Type (.txt)");
  EXPECT_EQ(boxes_.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(Text("txtDesc").Text(), "FromForm");
  Drop(frmTask().Ctl<rt::Control>("btnSaveTask").hWnd(), {2, 2}, {"C:\\x\\FromButton.exe"});
  EXPECT_EQ(Text("txtDesc").Text(), "FromForm");
  Drop(Text("txtDesc").hWnd(), {2, 2}, {"C:\\x\\" + std::string(40, 'n') + ".exe"});
  EXPECT_EQ(Text("txtDesc").Text(), std::string(32, 'n'));
}

TEST_F(TaskEditor, WithNoTaskFileAndTheFrameHiddenADropStartsANewTask) {
  Open();
  EXPECT_EQ(List().ListCount(), 0);
  EXPECT_FALSE(Enabled("btnEditTask"));
  EXPECT_FALSE(Enabled("btnDelTask"));
  // A double click on the list with nothing selected hides the frame.
  SendMessageA(frmTask().hWnd(), WM_COMMAND, MAKEWPARAM(List().Id(), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(List().hWnd()));
  ASSERT_FALSE(frmTask().Ctl<rt::Control>("fraTask").Visible());
  EXPECT_TRUE(Enabled("btnDone"));
  Drop(frmTask().hWnd(), {3, 3}, {"C:\\x\\Dropped.exe"});
  EXPECT_FALSE(Enabled("btnDone"));  // New Task ran first
  EXPECT_EQ(frmTask().Model()->TaskIndex(), -1);
  EXPECT_EQ(Text("txtDesc").Text(), "Dropped");
}

TEST_F(TaskEditor, ShortcutsAreResolvedAndAnUnreadableOneNeverRunsHidden) {
  Open();
  const std::string link = Tools() + "Run.lnk";
  Touch(link, "not a shortcut");
  Drop(Text("txtProg").hWnd(), {2, 2}, {link});
  EXPECT_EQ(Text("txtDesc").Text(), "Run");
  EXPECT_EQ(Text("txtProg").Text(), "");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
  EXPECT_EQ(frmTask().Ctl<rt::ComboBox>("cboWS").Text(), "Normal");

  frmTask().Ctl<rt::ComboBox>("cboWS").SetListIndex(3);
  ASSERT_TRUE(test::WriteShortcut(link, Tools() + "Run.exe", "-q \"a b\"", "", SW_SHOWNORMAL));
  Drop(frmTask().hWnd(), {3, 3}, {link});
  EXPECT_EQ(Text("txtDesc").Text(), "Run");
  EXPECT_EQ(Text("txtArgs").Text(), "-q \"a b\"");
  EXPECT_EQ(Text("txtDir").Text(), Tools());  // no working folder: the target's
  EXPECT_EQ(frmTask().Ctl<rt::ComboBox>("cboWS").Text(), "Normal");
  std::string prog = Text("txtProg").Text();
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, prog.c_str(), -1, (Tools() + "Run.exe").c_str(), -1),
            CSTR_EQUAL)
      << prog;
}

// A shortcut made before its working folder went proposes the program's folder instead, dropped
// or browsed to alike: Save would refuse the missing one over a box the user cannot see.
TEST_F(TaskEditor, AShortcutWhoseWorkingFolderHasGoneGivesTheProgramsFolder) {
  Open();
  const std::string link = Tools() + "Run.lnk";
  auto sameText = [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
  };
  const struct {
    std::string workingDir;
    std::string expected;
  } cases[] = {{folder_ + "\\Gone", Tools()}, {folder_, folder_}};
  int saved = 0;
  for (const auto& c : cases) {
    ASSERT_TRUE(test::WriteShortcut(link, Tools() + "Run.exe", "", c.workingDir, SW_SHOWNORMAL));
    for (const bool browse : {false, true}) {
      Click("btnNewTask");
      if (browse) {
        dialog_.answer = link;
        Click("btnBrowseProg");
      } else {
        Drop(Text("txtProg").hWnd(), {2, 2}, {link});
      }
      EXPECT_TRUE(sameText(Text("txtDir").Text(), c.expected)) << Text("txtDir").Text() << " browse " << browse;
      Text("txtDesc").SetText("Task " + std::to_string(++saved));
      frmTask().Ctl<rt::CheckBox>("ckShutdown").SetValue(1);
      Click("btnSaveTask");
      EXPECT_TRUE(boxes_.shown.empty()) << c.workingDir << ": " << boxes_.shown.front().text;
      boxes_.shown.clear();
    }
  }
  EXPECT_EQ(List().ListCount(), saved);
}

TEST_F(TaskEditor, EditShowsTheRecordAndDeleteAsksThenEmptiesTheList) {
  WriteTasks(kTwoTasks);
  Open();
  List().SetListIndex(1);  // Backup
  Click("btnEditTask");
  EXPECT_EQ(Text("txtDesc").Text(), "Backup");
  EXPECT_EQ(Text("txtArgs").Text(), "/q");
  EXPECT_EQ(frmTask().Ctl<rt::ComboBox>("cboWS").Text(), "Maximized");
  EXPECT_EQ(frmTask().Ctl<rt::CheckBox>("ckShutdown").Value(), 1);
  EXPECT_EQ(frmTask().Ctl<rt::CheckBox>("ckPowerOff").Value(), 1);
  EXPECT_EQ(frmTask().Ctl<rt::CheckBox>("ckLogOff").Value(), 0);
  Click("btnCancelTask");

  List().SetListIndex(0);  // Alpha: WinStyle 7 is no entry of the list, "XLogX" names LogOff
  Click("btnEditTask");
  EXPECT_EQ(frmTask().Ctl<rt::ComboBox>("cboWS").Text(), "Normal");
  EXPECT_EQ(frmTask().Ctl<rt::CheckBox>("ckLogOff").Value(), 1);
  Click("btnCancelTask");

  boxes_.answers = {IDNO, IDYES, IDYES};
  Click("btnDelTask");
  EXPECT_EQ(List().ListCount(), 2);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Delete Task:\r\n\r\n\r\nAlpha");
  EXPECT_EQ(boxes_.shown[0].title, "Moxbel Tarnwick");
  EXPECT_EQ(boxes_.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  Click("btnDelTask");
  Click("btnDelTask");
  EXPECT_EQ(List().ListCount(), 0);
  EXPECT_EQ(List().ListIndex(), -1);
  EXPECT_FALSE(Enabled("btnEditTask"));
  EXPECT_FALSE(Enabled("btnDelTask"));

  // A deleted task frees its name at once.
  boxes_.shown.clear();
  Click("btnNewTask");
  Text("txtDesc").SetText("alpha");
  Text("txtProg").SetText("C:\\a.exe");
  Click("ckShutdown");
  Click("btnSaveTask");
  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text;
  EXPECT_EQ(List().ListCount(), 1);
  EXPECT_EQ(List().List(0), "alpha");

  Click("btnCancel");  // Return: nothing written, the tasks are back
  rt::DoEvents();
  EXPECT_FALSE(frmTask().IsLoaded());
  EXPECT_EQ(TaskFile(), kTwoTasks);
  EXPECT_EQ(frontEnd_.calls, std::vector<std::string>{"frmMain.Show"});
  EXPECT_EQ(DozIzevodoz::TaskCount, 2);
}

// The working folder box is hidden: a stored folder that has gone must not make the task unsaveable.
TEST_F(TaskEditor, EditingATaskWhoseFolderHasGoneTakesTheProgramsFolder) {
  const std::string gone = folder_ + "\\Gone\\";
  WriteTasks("4\tBackup\t" + Tools() + "Run.exe\t\t" + gone + "\t1\tShut\r\n\r\n" + "9\tAlpha\tRun.exe\t\t" + gone +
             "\t1\tLog\r\n\r\n" + "12\tKept\tC:\\other\\k.exe\t\t" + Tools() + "\t1\tPwr\r\n\r\n" +
             "15\tLost\t" + gone + "Run.exe\t\t" + gone + "\t1\tHib\r\n\r\n");  // the program's folder gone too
  Open();
  const struct {
    const char* desc;
    int32_t id;
    std::string dir;
  } cases[] = {{"Backup", 4, Tools()}, {"Alpha", 9, ""}, {"Kept", 12, Tools()}, {"Lost", 15, ""}};
  for (const auto& c : cases) {
    for (int i = 0; i < List().ListCount(); ++i)
      if (List().List(i) == c.desc) List().SetListIndex(i);
    Click("btnEditTask");
    Click("btnSaveTask");
    EXPECT_TRUE(boxes_.shown.empty()) << c.desc << ": " << boxes_.shown.front().text;
    boxes_.shown.clear();
    const editors::TaskEditorModel& model = *frmTask().Model();
    EXPECT_EQ(model.Tasks()[model.IndexOfId(c.id)].Dir, c.dir) << c.desc;
  }
}

TEST_F(TaskEditor, LeavingTheProgramBoxProposesItsFolderOnlyWhileNoneIsSet) {
  Open();
  Click("btnNewTask");
  auto leaveProgram = [](const std::string& path) {
    Text("txtProg").SetText(path);
    SetFocus(Text("txtProg").hWnd());
    SetFocus(Text("txtArgs").hWnd());
  };
  leaveProgram("notepad.exe");  // no folder to take
  EXPECT_EQ(Text("txtDir").Text(), "");
  leaveProgram(folder_ + "\\Gone\\Run.exe");  // a folder that does not exist is not proposed
  EXPECT_EQ(Text("txtDir").Text(), "");
  leaveProgram(Tools() + "Run.exe");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
  leaveProgram("C:\\other\\b.exe");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
}

// The mend of a vanished folder at Edit holds when the user then passes through Program Path.
TEST_F(TaskEditor, PassingThroughTheProgramBoxAfterEditProposesNoMissingFolder) {
  const std::string gone = folder_ + "\\Gone\\";
  WriteTasks("15\tLost\t" + gone + "Run.exe\t\t" + gone + "\t1\tHib\r\n\r\n");
  Open();
  List().SetListIndex(0);
  Click("btnEditTask");
  ASSERT_EQ(Text("txtDir").Text(), "");
  SetFocus(Text("txtProg").hWnd());
  SetFocus(Text("txtArgs").hWnd());
  EXPECT_EQ(Text("txtDir").Text(), "");
  Click("btnSaveTask");
  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text;
}

// Cancel Changes ends the edit: what is typed afterwards is a new task, the one edited stays.
TEST_F(TaskEditor, ASaveAfterCancelChangesAddsATaskAndLeavesTheEditedOneAlone) {
  WriteTasks(kTwoTasks);
  Open();
  List().SetListIndex(1);  // Backup, maximised
  Click("btnEditTask");
  Click("btnCancelTask");
  EXPECT_EQ(Text("txtDesc").Text(), "");
  EXPECT_EQ(frmTask().Ctl<rt::CheckBox>("ckShutdown").Value(), 0);
  EXPECT_TRUE(Enabled("btnDone"));
  Click("btnSaveTask");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "You must check at least one type of shutdown action");

  Text("txtDesc").SetText("Night");
  Text("txtProg").SetText("C:\\n.exe");
  Click("ckLogOff");
  Click("btnSaveTask");
  EXPECT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(List().ListCount(), 3);
  Click("btnDone");
  // The window state chosen for Backup is still selected; nothing else of it is taken.
  EXPECT_EQ(TaskFile(), std::string(kTwoTasks) + "10\tNight\tC:\\n.exe\t\t\t3\tLog\r\n\r\n");
}

TEST_F(TaskEditor, AReloadWhileOpenDoesNotPullTheRecordsFromUnderTheEditor) {
  WriteTasks(kTwoTasks);
  Open();
  List().SetListIndex(1);
  Click("btnEditTask");
  DozIzevodoz::Tasks.clear();  // an action request elsewhere reloads an emptied file
  DozIzevodoz::TaskCount = 0;
  Text("txtDesc").SetText("Backup2");
  Click("btnSaveTask");
  ASSERT_TRUE(boxes_.shown.empty()) << boxes_.shown[0].text;
  Click("btnDone");
  EXPECT_EQ(TaskFile(),
            "4\tBackup2\tC:\\bk.exe\t/q\t\t3\tShutPwr\r\n\r\n9\tAlpha\tC:\\a.exe\t\t\t7\tXLogX\r\n\r\n");
}

TEST_F(TaskEditor, AFinishedThatCannotWriteKeepsTheEditorAndItsWork) {
  WriteTasks(kTwoTasks);
  SetFileAttributesA(DozIzevodoz::TaskFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
  Open();
  Click("btnNewTask");
  Text("txtProg").SetText("C:\\n.exe");
  Click("ckSuspend");
  Click("btnSaveTask");
  Click("btnDone");
  rt::DoEvents();
  ASSERT_TRUE(frmTask().IsLoaded());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find(DozIzevodoz::TaskFilePath()), std::string::npos) << boxes_.shown[0].text;
  EXPECT_EQ(List().ListCount(), 3);
  EXPECT_TRUE(frontEnd_.calls.empty());
  EXPECT_EQ(DozIzevodoz::TaskCount, 2);  // the shared list is still the file's

  SetFileAttributesA(DozIzevodoz::TaskFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
  Click("btnDone");
  EXPECT_NE(TaskFile().find("10\tTask 3\tC:\\n.exe\t\t\t1\tSus\r\n"), std::string::npos) << TaskFile();
}

// A task file that another program held when the editor opened gave it an empty list: Finished
// must not write that list over the file's tasks.
TEST_F(TaskEditor, AnEditorThatCouldNotReadTheTaskFileKeepsIt) {
  WriteTasks(kTwoTasks);
  HANDLE held = CreateFileA(DozIzevodoz::TaskFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Open();
  CloseHandle(held);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].text.find("could not be read"), std::string::npos) << boxes_.shown[0].text;
  EXPECT_EQ(List().ListCount(), 0);

  Click("btnDone");  // the empty list would wipe both tasks
  rt::DoEvents();
  ASSERT_TRUE(frmTask().IsLoaded());
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_NE(boxes_.shown[1].text.find("kept as it is"), std::string::npos) << boxes_.shown[1].text;
  EXPECT_NE(boxes_.shown[1].text.find(DozIzevodoz::TaskFilePath()), std::string::npos);
  EXPECT_EQ(TaskFile(), kTwoTasks);
  EXPECT_TRUE(frontEnd_.calls.empty());

  // Opened again once the file can be read, the editor works on the file's tasks.
  Click("btnCancel");
  Open();
  EXPECT_EQ(List().ListCount(), 2);
}

TEST_F(TaskEditor, TheCloseKeyReturnsAndAnEndingProgramGetsNoChooserBack) {
  WriteTasks(kTwoTasks);
  Open();
  HMENU system = GetSystemMenu(frmTask().hWnd(), FALSE);
  EXPECT_EQ(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  Click("btnNewTask");
  SendMessageA(frmTask().hWnd(), WM_CLOSE, 0, 0);
  rt::DoEvents();
  EXPECT_FALSE(frmTask().IsLoaded());
  EXPECT_EQ(frontEnd_.calls, std::vector<std::string>{"frmMain.Show"});
  EXPECT_EQ(TaskFile(), kTwoTasks);

  Open();
  frontEnd_.calls.clear();
  rt::SetQuitting(true);
  frmTask().Unload(rt::UnloadMode::AppWindows);
  rt::SetQuitting(false);
  EXPECT_FALSE(frmTask().IsLoaded());
  EXPECT_TRUE(frontEnd_.calls.empty());
}

// The updater ends the program: the editor asks first when it holds work not yet saved.
TEST_F(TaskEditor, AnUpdateAsksBeforeItDropsUnsavedWork) {
  WriteTasks(kTwoTasks);
  Open();
  EXPECT_TRUE(rt::Forms::QueryEnd());  // nothing done yet: no question
  EXPECT_TRUE(boxes_.shown.empty());

  Click("btnNewTask");
  boxes_.answers = {IDNO};
  EXPECT_FALSE(rt::Forms::QueryEnd());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "The task editor has changes that are not saved, and the update closes the program.\r\n\r\n"
            "Close the task editor without saving them?");
  EXPECT_EQ(boxes_.shown[0].title, "Moxbel Tarnwick");
  EXPECT_EQ(boxes_.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  EXPECT_EQ(Text("txtDesc").Text(), "Task 3");  // kept as it was

  Click("btnCancelTask");
  EXPECT_TRUE(rt::Forms::QueryEnd());
  EXPECT_EQ(boxes_.shown.size(), 1u);

  boxes_.answers = {IDYES, IDNO, IDYES};
  Click("btnDelTask");  // a delete is work too, until "Finished" writes it
  EXPECT_FALSE(rt::Forms::QueryEnd());
  EXPECT_TRUE(rt::Forms::QueryEnd());
  EXPECT_EQ(boxes_.shown.size(), 4u);
  EXPECT_EQ(TaskFile(), kTwoTasks);
}

TEST_F(TaskEditor, BrowseAsksTheOpenDialogAndFillsTheProgram) {
  Open();
  Click("btnBrowseProg");  // cancelled
  ASSERT_EQ(dialog_.requests.size(), 1u);
  const os::OpenFileRequest& asked = dialog_.requests[0];
  EXPECT_EQ(asked.flags, 0x381800u);
  EXPECT_EQ(asked.title, "Select Program");
  EXPECT_EQ(asked.initialDir, "C:\\");
  EXPECT_EQ(asked.filter, "Program (*.exe)|*.exe|Shortcuts (*.lnk)|*.lnk|All Files (*.*)|*.*");
  EXPECT_EQ(asked.owner, frmTask().hWnd());
  EXPECT_EQ(Text("txtProg").Text(), "");

  dialog_.answer = Tools() + "Run.exe";
  Click("btnBrowseProg");
  EXPECT_EQ(Text("txtProg").Text(), Tools() + "Run.exe");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
  dialog_.answer = "C:\\other\\b.exe";  // a folder set already stays
  Click("btnBrowseProg");
  EXPECT_EQ(dialog_.requests.back().fileName, Tools() + "Run.exe");
  EXPECT_EQ(Text("txtDir").Text(), Tools());
}

// The six boxes belong to the form but lie on the frame: a click there must reach them.
TEST_F(TaskEditor, TheActionBoxesLieAboveTheFrame) {
  Open();
  for (const char* name : {"ckShutdown", "ckPowerOff", "ckReboot", "ckLogOff", "ckSuspend", "ckHibernate"}) {
    const rt::Control& box = frmTask().Ctl<rt::Control>(name);
    RECT r = box.PixelRect();
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(ChildWindowFromPointEx(frmTask().hWnd(), middle, CWP_SKIPINVISIBLE), box.hWnd()) << name;
  }
}

TEST_F(TaskEditor, ItsWindowShowsTheProgramIcon) {
  Open();
  EXPECT_TRUE(test::ShowsProgramIcon(frmTask().hWnd()));
}

TEST_F(TaskEditor, TheHelpPictureOpensTheHelpFileMaximised) {
  Open();
  RECT r = frmTask().Ctl<rt::Control>("Image1").PixelRect();
  SetWindowPos(frmTask().hWnd(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE);
  test::Picture picture = test::CaptureWindow(frmTask().hWnd());
  auto yellow = [](int red, int green, int blue) { return red > 200 && green > 160 && blue < 80; };
  EXPECT_GT(test::CountPixels(picture, r.left, r.top, r.right - r.left, r.bottom - r.top, yellow), 150)
      << "no help picture";
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "task-editor"));
  LPARAM at = MAKELPARAM(r.left + 3, r.top + 3);
  SendMessageA(frmTask().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(frmTask().hWnd(), WM_LBUTTONUP, 0, at);
  ASSERT_EQ(shell_.requests.size(), 1u);
  EXPECT_EQ(shell_.requests[0].verb, "Open");
  EXPECT_EQ(shell_.requests[0].file, folder_ + "\\Tarnwick.chm");
  EXPECT_EQ(shell_.requests[0].showCommand, SW_SHOWMAXIMIZED);
  EXPECT_EQ(shell_.requests[0].owner, frmTask().hWnd());
}

}  // namespace
}  // namespace editors
