// The countdown text options dialog over the real registry, with its message boxes scripted.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "app.h"
#include "form.h"
#include "frm_option.h"
#include "message_loop.h"
#include "os/recording_shell.h"
#include "os/scripted_message_boxes.h"
#include "registry_fixture.h"
#include "shared_state.h"
#include "tray_front_end.h"
#include "window_picture.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
constexpr char kNoChanges[] = "No Changes Have Been Made, Try Again?";
constexpr char kSaved[] = "All Changes Have Been Made!";
constexpr char kSaveThem[] = "Changes Have Been Made To The Form\r\n\r\n      Do You Want To Save Them?";
constexpr char kOptionsTitle[] = "Moxbel Tarnwick Plus Program Options";
constexpr char kInfoTitle5[] = "Moxbel Tarnwick Plus Info.....";

// Gives the settings key a DACL that lets everyone read it and nobody write it.
void ProtectKey(const char* sddl) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, kSettings.c_str(), 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr);
  PSECURITY_DESCRIPTOR sd = nullptr;
  ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr);
  RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
  LocalFree(sd);
  RegCloseKey(key);
}
constexpr char kReadOnly[] = "D:P(A;;KR;;;WD)";
constexpr char kFullAccess[] = "D:P(A;;KA;;;WD)";

// Tests that do not look at the screen only load the dialog: under Wine without a window manager,
// taking a shown window down costs two seconds.
class OptionDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    DozIzevodoz::ResetSharedState();
    rt::App().FileDescription = "Moxbel Tarnwick";
    DozIzevodoz::VersionText = "4.5";
    test::DeleteKeyTree(kSettings);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    rt::DoEvents();
    ProtectKey(kFullAccess);
    test::DeleteKeyTree(kSettings);
    DozIzevodoz::ResetSharedState();
  }
  tray::FrmOption& form() { return tray::frmOption(); }
  rt::TextBox& box(const char* name) { return form().Ctl<rt::TextBox>(name); }
  void Click(const char* button) { SendMessageA(form().Ctl<rt::CommandButton>(button).hWnd(), BM_CLICK, 0, 0); }
  std::optional<std::string> Stored(const char* name) { return test::ReadText(kSettings, name); }
  void ExpectNothingStored() {
    for (const char* name : {"Message", "Font", "TimeOut"}) EXPECT_EQ(Stored(name), std::nullopt) << name;
  }
  void ExpectStored(const char* message, const char* font, const char* timeOut) {
    EXPECT_EQ(Stored("Message"), message);
    EXPECT_EQ(Stored("Font"), font);
    EXPECT_EQ(Stored("TimeOut"), timeOut);
  }

  os::ScriptedMessageBoxes boxes;
  os::RecordingShell shell;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::Shell> shellInstalled{&shell};
};

TEST_F(OptionDialog, LoadShowsTheStoredTextsOrTheCountdownsDefaults) {
  struct Case {
    const char* what;
    const char *message, *font, *timeOut;  // nullptr: not stored
    const char *shownMessage, *shownFont, *shownTimeOut;
  };
  const Case cases[] = {
      {"nothing stored: ten seconds, not the five start-up stores", nullptr, nullptr, nullptr, "Windows Will Now!",
       "32", "10"},
      {"empty texts", "", "", "", "Windows Will Now!", "32", "10"},
      {"stored texts", "Bye\r\nFor Now", "20", "9", "Bye\r\nFor Now", "20", "9"},
      {"stored as typed, shown as stored", "x", "big", "0", "x", "big", "0"},
  };
  for (const Case& c : cases) {
    test::DeleteKeyTree(kSettings);
    if (c.message) test::SetText(kSettings, "Message", c.message);
    if (c.font) test::SetText(kSettings, "Font", c.font);
    if (c.timeOut) test::SetText(kSettings, "TimeOut", c.timeOut);
    form().Load();
    EXPECT_EQ(box("Text1").Text(), c.shownMessage) << c.what;
    EXPECT_EQ(box("Text2").Text(), c.shownFont) << c.what;
    EXPECT_EQ(box("Text3").Text(), c.shownTimeOut) << c.what;
    form().Unload();
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OptionDialog, WindowCaptionFocusTabOrderAndNoCloseItem) {
  form().Show();
  HWND window = form().hWnd();
  EXPECT_EQ(form().Caption(), "Moxbel Tarnwick v 4.5");
  HWND close = form().Ctl<rt::CommandButton>("Command1").hWnd();
  EXPECT_EQ(GetFocus(), close);
  std::vector<std::string> order;
  HWND at = close;
  for (int i = 0; i < 5; ++i) {
    at = GetNextDlgTabItem(window, at, FALSE);
    for (const char* name : {"Command1", "Command2", "Text1", "Text2", "Text3"})
      if (form().FindControl(name)->hWnd() == at) order.push_back(name);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Text1", "Text2", "Command2", "Text3", "Command1"}));
  EXPECT_TRUE(GetWindowLongPtrA(box("Text1").hWnd(), GWL_STYLE) & ES_MULTILINE);
  EXPECT_EQ(box("Text1").FontName(), "Comic Sans MS");
  EXPECT_TRUE(box("Text1").FontBold());
  EXPECT_EQ(box("Text3").FontSize(), 12);
  EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(OptionDialog, SaveWithoutAChangeStoresNothingAndOffersToTryAgain) {
  form().Show();
  HWND first = form().hWnd();
  boxes.answers = {IDYES};
  Click("Command2");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kNoChanges);
  EXPECT_EQ(boxes.shown[0].title, kInfoTitle5);
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  ExpectNothingStored();  // not even the "10" shown for the missing time-out
  // Yes: a fresh load, which reads the settings again.
  ASSERT_TRUE(form().IsLoaded());
  EXPECT_TRUE(form().Visible());
  EXPECT_NE(form().hWnd(), first);
  EXPECT_FALSE(IsWindow(first));

  boxes.answers = {IDNO};
  Click("Command2");
  EXPECT_FALSE(form().IsLoaded());
  ExpectNothingStored();
}

TEST_F(OptionDialog, AnyChangeMakesSaveStoreAllThree) {
  struct Case { const char* what; const char* box; const char* text; const char *message, *font, *timeOut; };
  const Case cases[] = {
      {"letter case only", "Text1", "windows will now!", "windows will now!", "32", "10"},
      {"line breaks are kept", "Text1", "Bye\r\nNow", "Bye\r\nNow", "32", "10"},
      {"font only", "Text2", "20", "Windows Will Now!", "20", "10"},
      {"time-out only", "Text3", "30", "Windows Will Now!", "32", "30"},
      // The countdown reads what it cannot use as its defaults; the dialog stores what was typed.
      {"an empty message", "Text1", "", "", "32", "10"},
      {"a font size that is no number", "Text2", "huge", "Windows Will Now!", "huge", "10"},
      {"a time-out of 0", "Text3", "0", "Windows Will Now!", "32", "0"},
      {"a negative time-out", "Text3", "-3", "Windows Will Now!", "32", "-3"},
      {"a time-out that is no number", "Text3", "ten", "Windows Will Now!", "32", "ten"},
  };
  for (const Case& c : cases) {
    test::DeleteKeyTree(kSettings);
    boxes.shown.clear();
    form().Load();
    box(c.box).SetText(c.text);
    Click("Command2");
    EXPECT_FALSE(form().IsLoaded()) << c.what;
    ExpectStored(c.message, c.font, c.timeOut);
    ASSERT_EQ(boxes.shown.size(), 1u) << c.what;
    EXPECT_EQ(boxes.shown[0].text, kSaved);
    EXPECT_EQ(boxes.shown[0].title, kOptionsTitle);
  }
}

TEST_F(OptionDialog, EditedAndRestoredIsNoChange) {
  form().Load();
  box("Text2").SetText("20");
  box("Text2").SetText("32");
  Click("Command1");  // Close without a question
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_TRUE(boxes.shown.empty());
  ExpectNothingStored();
}

TEST_F(OptionDialog, CloseAsksAboutChanges) {
  // No: nothing stored, the dialog goes.
  test::SetText(kSettings, "Message", "Old");
  form().Load();
  box("Text1").SetText("New");
  boxes.answers = {IDNO};
  Click("Command1");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kSaveThem);
  EXPECT_EQ(boxes.shown[0].title, kInfoTitle5);
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_EQ(Stored("Message"), "Old");
  EXPECT_EQ(Stored("TimeOut"), std::nullopt);

  // Yes: as Save.
  boxes.shown.clear();
  form().Load();
  box("Text1").SetText("New");
  boxes.answers = {IDYES};
  Click("Command1");
  EXPECT_FALSE(form().IsLoaded());
  ExpectStored("New", "32", "10");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, kSaved);
}

TEST_F(OptionDialog, AFailedWriteIsReportedAndTheEditsStay) {
  ProtectKey(kReadOnly);
  form().Show();
  box("Text1").SetText("Not stored");
  Click("Command2");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text, kSaved);
  EXPECT_NE(boxes.shown[0].text.find("could not be saved"), std::string::npos) << boxes.shown[0].text;
  EXPECT_EQ(boxes.shown[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(box("Text1").Text(), "Not stored");
  ExpectNothingStored();

  ProtectKey(kFullAccess);
  boxes.shown.clear();
  Click("Command2");
  EXPECT_FALSE(form().IsLoaded());
  ExpectStored("Not stored", "32", "10");
}

TEST_F(OptionDialog, HelpOpensTheHelpFileMaximised) {
  form().Load();
  form().Ctl<rt::Image>("Image1");
  RECT r = form().Ctl<rt::Image>("Image1").PixelRect();
  SendMessageA(form().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 4, r.top + 4));
  SendMessageA(form().hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(r.left + 4, r.top + 4));
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "Open");
  EXPECT_EQ(shell.requests[0].file, rt::App().Path + "\\Tarnwick.chm");
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);
  EXPECT_EQ(shell.requests[0].owner, form().hWnd());
}

// The command-line letter "O": the dialog is the only form, so closing it ends the program's loop.
TEST_F(OptionDialog, AsTheOnlyFormItsCloseEndsTheLoop) {
  tray::TrayFrontEnd frontEnd;
  frontEnd.ShowOptionsDialog();
  ASSERT_TRUE(form().Visible());
  EXPECT_EQ(rt::Forms::Count(), 1u);
  boxes.answers = {IDNO};
  PostMessageA(form().Ctl<rt::CommandButton>("Command2").hWnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(rt::RunMessageLoop(), 0);
  EXPECT_FALSE(form().IsLoaded());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kNoChanges);
}

// The dialog as the screen shows it: the help picture's yellow disc where Image1 lies, and the
// texts in their boxes.
TEST_F(OptionDialog, Picture) {
  form().Show();
  test::Picture picture = test::CaptureWindow(form().hWnd());
  ASSERT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "tray-frmOption"));
  auto yellow = [](int r, int g, int b) { return r > 200 && g > 150 && b < 90; };
  auto ink = [](int r, int g, int b) { return r < 90 && g < 90 && b < 90; };
  RECT help = form().Ctl<rt::Image>("Image1").PixelRect();
  EXPECT_GT(test::CountPixels(picture, help.left, help.top, 32, 32, yellow), 300);
  EXPECT_EQ(test::CountPixels(picture, 0, 0, picture.width, help.top, yellow), 0);
  for (const char* name : {"Text1", "Text2", "Text3"}) {
    RECT r;
    GetWindowRect(box(name).hWnd(), &r);
    MapWindowPoints(nullptr, form().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_GT(test::CountPixels(picture, r.left + 3, r.top + 3, r.right - r.left - 6, r.bottom - r.top - 6, ink), 15)
        << name << " shows no text";
  }
}

}  // namespace
