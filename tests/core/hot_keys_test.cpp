// The hidden hot-key window over the real registry and real system-wide hot keys, the dispatch of
// every command and the arming of a countdown.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "../support/recording_front_end.h"
#include "../support/registry_fixture.h"
#include "../support/tasks.h"
#include "action_requests.h"
#include "app.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"
#include "task_store.h"
#include "vb_hot_key.h"

using namespace DozIzevodoz;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";
using Calls = std::vector<std::string>;

// Another window of the test that tries the same key: a key the program holds is refused to it.
class KeyProbe {
 public:
  KeyProbe() : window_(CreateWindowExA(0, "STATIC", "probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~KeyProbe() { DestroyWindow(window_); }
  bool CanTake(UINT modifiers, UINT vk) {
    if (!RegisterHotKey(window_, 0x200, modifiers, vk)) return false;
    UnregisterHotKey(window_, 0x200);
    return true;
  }
  bool Hold(UINT modifiers, UINT vk) { return RegisterHotKey(window_, 0x201, modifiers, vk) != FALSE; }

 private:
  HWND window_;
};

class HotKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    SetFrontEnd(&frontEnd);
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SetFrontEnd(nullptr);
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
    DeleteFileA(TaskFilePath().c_str());
    ResetSharedState();
  }
  void Key(const char* value, const char* name) { test::SetText(kHotKeys, value, name); }
  LRESULT Press(uint8_t id) { return SendMessageA(frmvbHotKey().hWnd(), WM_HOTKEY, id, 0); }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> t;
    for (const auto& b : boxes.shown) t.push_back(b.title + ": " + b.text);
    return t;
  }

  test::RecordingFrontEnd frontEnd;
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  KeyProbe probe;
};

constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

TEST_F(HotKeys, RegistersTheNamedKeysAndReleasesThemAtUnload) {
  Key("0", "VK_S");
  Key("7", "VK_X");
  Key("6", "VK_F");   // the command comes from the key, not from the value's name
  Key("9", "VK_R");   // never read: ENTER's place
  Key("12", "VK_L");  // beyond the last value: never registered
  frmvbHotKey().Load();

  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(frmvbHotKey().Visible());
  for (int id : {0, 6, 7}) EXPECT_TRUE(HotKeyRegistered[id]) << id;
  EXPECT_FALSE(HotKeyRegistered[1]);
  EXPECT_FALSE(probe.CanTake(kCtrlAlt, 'S'));
  EXPECT_FALSE(probe.CanTake(kCtrlAlt, 'X'));
  EXPECT_FALSE(probe.CanTake(kCtrlAlt, 'F'));
  EXPECT_TRUE(probe.CanTake(kCtrlAlt, 'L'));
  EXPECT_TRUE(probe.CanTake(kCtrlAlt, 'R'));
  EXPECT_FALSE(HotKeyRegistered[3]);  // "12" = "VK_L" is not read

  frmvbHotKey().Unload();
  EXPECT_TRUE(probe.CanTake(kCtrlAlt, 'S'));
  for (bool flag : HotKeyRegistered) EXPECT_FALSE(flag);
}

TEST_F(HotKeys, NoValuesRegisterNothingAndShowNothing) {
  frmvbHotKey().Load();
  EXPECT_TRUE(boxes.shown.empty());
  for (bool flag : HotKeyRegistered) EXPECT_FALSE(flag);
  EXPECT_TRUE(frmvbHotKey().IsLoaded());
}

TEST_F(HotKeys, ATakenKeyIsReportedByNameAndJunkValuesTogetherInOneBox) {
  ASSERT_TRUE(probe.Hold(kCtrlAlt, 'P'));
  Key("0", "VK_Q");  // unknown and first: must not become CTRL+ALT with no key
  Key("1", "VK_P");
  Key("2", "VK_R");
  Key("4", "bell\a and a line\r\nbreak here");
  Key("11", std::string(65536, 'x').c_str());
  frmvbHotKey().Load();

  const std::string tail = " ... Try other keys this key is already registered by some other running applications.";
  EXPECT_EQ(Boxes(), (std::vector<std::string>{
                         "Tarnwick: Can not register all or one of the hotkeys CTRL+ALT+VK_P" + tail,
                         "Tarnwick: These hot-key settings name no key and were skipped:\r\n"
                         "\"0\" = \"VK_Q\"\r\n"
                         "\"4\" = \"bell\\x07 and a line\\x0D\\x0Abreak ...\"\r\n"
                         "\"11\" = \"xxxxxxxxxxxxxxxxxxxxxxxx...\""}));
  EXPECT_EQ(boxes.shown.at(0).flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_FALSE(HotKeyRegistered[0]);
  EXPECT_FALSE(HotKeyRegistered[2]);
  EXPECT_TRUE(HotKeyRegistered[1]);
  EXPECT_FALSE(probe.CanTake(kCtrlAlt, 'R'));
  EXPECT_TRUE(probe.CanTake(kCtrlAlt, 0));

  // Twelve junk values still make one box.
  boxes.shown.clear();
  frmvbHotKey().Unload();
  for (int n = 0; n < 12; ++n) Key(std::to_string(n).c_str(), "junk");
  frmvbHotKey().Load();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(std::count(boxes.shown[0].text.begin(), boxes.shown[0].text.end(), '\n'), 11);  // all but "9"
}

TEST_F(HotKeys, EachCommandThroughItsMessage) {
  frmvbHotKey().Load();
  PowerOffSupported = HibernateSupported = SuspendSupported = true;
  struct Case { uint8_t id; int32_t code; const char* name; const char* call; };
  const Case requests[] = {
      {0, kShutDownCode, "Shut", "Form1.Label2=Shutdown"}, {1, kRebootCode, "Boot", "Form1.Label2=Reboot"},
      {2, kPowerOffCode, "Pwr", "Form1.Label2=PowerOff"},  {3, kLogOffCode, "Log", "Form1.Label2=LogOff"},
      {4, kHibernateCode, "Hib", "Form1.Label2=Hibernate"}, {5, kSuspendCode, "Sus", "Form1.Label2=Suspend"},
  };
  for (const Case& c : requests) {
    frontEnd.calls.clear();
    EXPECT_EQ(Press(c.id), 1) << int(c.id);
    EXPECT_EQ(ActionCode, c.code) << int(c.id);
    EXPECT_EQ(ActionName, c.name) << int(c.id);
    ASSERT_FALSE(frontEnd.calls.empty()) << int(c.id);
    EXPECT_EQ(frontEnd.calls.back(), c.call) << int(c.id);
  }

  struct Errand { uint8_t id; bool commandLine; const char* call; };
  const Errand errands[] = {{8, false, "ShowOptionsDialog"}, {9, false, "Form1.Cancel"}, {9, true, "Form2.Cancel"},
                            {11, false, "CancelTaskRun"}};
  for (const Errand& e : errands) {
    frontEnd.calls.clear();
    CommandLineMode = e.commandLine;
    Press(e.id);
    EXPECT_EQ(frontEnd.calls, Calls{e.call}) << int(e.id);
  }
  EXPECT_TRUE(CancelTasks);

  frontEnd.calls.clear();
  for (uint8_t id : {10, 12, 200}) Press(id);
  EXPECT_TRUE(frontEnd.calls.empty());
  EXPECT_TRUE(boxes.shown.empty());

  // Any other message reaches the form's own procedure.
  char caption[32] = {};
  EXPECT_GT(SendMessageA(frmvbHotKey().hWnd(), WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption)), 0);
  EXPECT_STREQ(caption, "VHotKeys");
}

TEST_F(HotKeys, UnsupportedActionOnlySaysSo) {
  frmvbHotKey().Load();
  ActionCode = kRebootCode;
  ActionName = "Boot";
  Press(2);
  Press(4);
  Press(5);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Moxbel Tarnwick Plus Info....: PowerOff Is Not Supported On This System",
                                               "Moxbel Tarnwick Plus Info....: Hibernate Is Not Supported On This System",
                                               "Moxbel Tarnwick Plus Info....: Suspend Is Not Supported On This System"}));
  EXPECT_EQ(ActionCode, kRebootCode);
  EXPECT_EQ(ActionName, "Boot");
  EXPECT_TRUE(frontEnd.calls.empty());
}

TEST_F(HotKeys, IconBackTurnsTheHotKeyOnlyModeOff) {
  test::SetText(kSettings, "NoIcon", "Yes");
  Key("6", "VK_N");
  Key("0", "VK_S");
  frmvbHotKey().Load();
  Press(6);
  EXPECT_EQ(test::ReadText(kSettings, "NoIcon"), "No");
  EXPECT_FALSE(test::ReadText(kHotKeys, "6"));
  EXPECT_EQ(test::ReadText(kHotKeys, "0"), "VK_S");
  EXPECT_EQ(frontEnd.calls, Calls{"ShowTrayIcon"});
}

TEST_F(HotKeys, ExitAskedAndCancelledGivesTheKeysBack) {
  Key("0", "VK_S");
  Key("1", "VK_X");
  frmvbHotKey().Load();
  boxes.answers = {IDCANCEL};
  Press(7);

  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "This Will Shutdown The Moxbel Tarnwick Plus Program!");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_OKCANCEL | MB_ICONINFORMATION));
  // The countdown stays closed: the question's Cancel cancels it as ENTER would.
  EXPECT_EQ(frontEnd.calls, (Calls{"Form1.Pause", "Form1.Unload"}));
  // The window came back with its keys, and answers them.
  ASSERT_TRUE(frmvbHotKey().IsLoaded());
  EXPECT_TRUE(HotKeyRegistered[0]);
  EXPECT_FALSE(probe.CanTake(kCtrlAlt, 'S'));
  frontEnd.calls.clear();
  Press(0);
  EXPECT_EQ(frontEnd.calls, (Calls{"Form1.Unload", "Form1.Label2=Shutdown"}));
}

TEST_F(HotKeys, ExitConfirmedUnloadsEveryForm) {
  Key("0", "VK_S");
  frmvbHotKey().Load();
  rt::Form other("frmOther");
  other.Load();
  Press(7);  // the box is answered OK

  EXPECT_FALSE(frmvbHotKey().IsLoaded());
  EXPECT_FALSE(other.IsLoaded());
  EXPECT_EQ(rt::Forms::Count(), 0u);
  EXPECT_TRUE(probe.CanTake(kCtrlAlt, 'S'));
}

TEST_F(HotKeys, ArmingReadsTheTaskFileAndRunTasks) {
  Tasks = {test::Task(1, "Backup", "SHUT"), test::Task(2, "Mail", "Log")};
  TaskCount = 2;
  ASSERT_TRUE(SaveTasks());
  Tasks.clear();
  TaskCount = 0;
  test::SetText(kSettings, "RunTasks", "Yes");

  struct Case { int32_t code; const char* name; bool commandLine; const char* call; bool pending; };
  const Case cases[] = {
      {kShutDownCode, "Shut", false, "Form1.Label2=Run Tasks", true},
      {kRebootCode, "Boot", false, "Form1.Label2=Reboot", false},
      {kLogOffCode, "Log", true, "Form2.Label2=Run Tasks", true},
      {kSuspendCode, "Sus", true, "Form2.Label2=Suspend", false},
      {99, "X", false, "Form1.Label2=", false},
  };
  for (const Case& c : cases) {
    frontEnd.calls.clear();
    ActionCode = c.code;
    ActionName = c.name;
    TasksPending = !c.pending;
    c.commandLine ? CheckForm1Label3() : CheckForm1Label2();
    EXPECT_EQ(frontEnd.calls, Calls{c.call}) << c.name;
    EXPECT_EQ(TasksPending, c.pending) << c.name;
  }
  EXPECT_EQ(TaskCount, 2);

  test::SetText(kSettings, "RunTasks", "No");
  frontEnd.calls.clear();
  ActionCode = kShutDownCode;
  ActionName = "Shut";
  CheckForm1Label2();
  EXPECT_EQ(frontEnd.calls, Calls{"Form1.Label2=Shutdown"});
  EXPECT_FALSE(TasksPending);
}

}  // namespace
