// The hot-key dialog over the real registry and real hot-key registrations.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app.h"
#include "form.h"
#include "message_loop.h"
#include "frm_set_hot_keys.h"
#include "frm_vb_hot_key.h"
#include "hot_key_boxes.h"
#include "os/recording_shell.h"
#include "os/scripted_message_boxes.h"
#include "registry_fixture.h"
#include "shared_state.h"
#include "window_picture.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";
constexpr char kDefaultHint[] = "Select Hotkeys To Use With Program";

// Whether another window could take CTRL+ALT+<key> now (false while the program holds it).
bool KeyIsFree(char key) {
  HWND probe = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  bool free = RegisterHotKey(probe, 0x200, MOD_CONTROL | MOD_ALT, static_cast<UINT>(key)) != FALSE;
  if (free) UnregisterHotKey(probe, 0x200);
  DestroyWindow(probe);
  return free;
}

// Only the picture shows the dialog: under Wine without a window manager, taking a shown window
// down costs two seconds.
class HotKeysDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    DozIzevodoz::ResetSharedState();
    rt::App().FileDescription = "Moxbel Tarnwick";
    DozIzevodoz::VersionText = "4.5";
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    rt::DoEvents();
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
    DozIzevodoz::ResetSharedState();
  }
  tray::FrmSetHotKeys& form() { return tray::frmSetHotKeys(); }
  rt::CheckBox& box(const char* name) { return form().Ctl<rt::CheckBox>(name); }
  std::string hint() { return form().Ctl<rt::Label>("Label1").Caption(); }
  std::string TickedBoxes() {
    std::string ticked;
    for (const tray::HotKeyBox& key : tray::kHotKeyBoxes)
      if (box(key.box).Value()) ticked += std::string(key.box) + " ";
    return ticked;
  }
  void Ok() { SendMessageA(form().Ctl<rt::CommandButton>("Command1").hWnd(), BM_CLICK, 0, 0); }

  os::ScriptedMessageBoxes boxes;
  os::RecordingShell shell;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::Shell> shellInstalled{&shell};
};

TEST_F(HotKeysDialog, TheBoxesShowTheStoredKeysAndOpeningWritesNothing) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, const char*>> values;
    const char* ticked;
  };
  const Case cases[] = {
      {"nothing stored", {}, ""},
      {"the key name decides", {{"4", "VK_S"}}, "cSetS "},
      {"keys without a box", {{"6", "VK_N"}, {"8", "VK_O"}}, ""},
      {"a bad name after a good one", {{"0", "VK_S"}, {"1", "junk"}}, "cSetS "},
      {"all seven",
       {{"0", "VK_S"}, {"1", "VK_R"}, {"2", "VK_P"}, {"3", "VK_L"}, {"4", "VK_H"}, {"5", "VK_Z"}, {"7", "VK_X"}},
       "cSetS cSetR cSetL cSetP cSetZ cSetH cSetX "},
  };
  for (const Case& c : cases) {
    test::DeleteKeyTree(kHotKeys);
    for (auto [name, key] : c.values) test::SetText(kHotKeys, name, key);
    form().Load();
    EXPECT_EQ(TickedBoxes(), c.ticked) << c.what;
    // Showing the stored state wrote nothing: the values are exactly those stored.
    for (int n = 0; n < 12; ++n) {
      std::optional<std::string> expected;
      for (auto [name, key] : c.values)
        if (std::to_string(n) == name) expected = key;
      EXPECT_EQ(test::ReadText(kHotKeys, std::to_string(n)), expected) << c.what << " value " << n;
    }
    form().Unload();
  }
}

TEST_F(HotKeysDialog, WindowBoxesAndHint) {
  form().Load();
  EXPECT_EQ(form().Caption(), "Moxbel Tarnwick v 4.5");
  EXPECT_EQ(GetMenuState(GetSystemMenu(form().hWnd(), FALSE), SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  auto& label = form().Ctl<rt::Label>("Label1");
  EXPECT_EQ(label.Caption(), kDefaultHint);
  EXPECT_TRUE(label.FontBold());
  EXPECT_EQ(label.FontSize(), 8);
  EXPECT_EQ(label.GetAlignment(), rt::Alignment::Center);
  int lastTop = -1;
  for (const tray::HotKeyBox& key : tray::kHotKeyBoxes) {
    rt::CheckBox& b = box(key.box);
    EXPECT_EQ(b.Caption(), key.caption);
    EXPECT_EQ(b.ToolTipText(), "All changes are saved automatically");
    EXPECT_EQ(b.Container(), form().FindControl("Frame1"));
    EXPECT_GT(b.Top(), lastTop) << key.box;  // top to bottom in the table's order
    lastTop = b.Top();
  }
  EXPECT_EQ(form().Ctl<rt::Container>("Frame1").Caption(), "Options");
  EXPECT_EQ(form().Ctl<rt::CommandButton>("Command1").Caption(), "OK");
}

TEST_F(HotKeysDialog, AChangeByMouseOrSpaceBarIsStoredAtOnce) {
  form().Load();
  HWND s = box("cSetS").hWnd();
  SendMessageA(s, BM_CLICK, 0, 0);
  EXPECT_EQ(test::ReadText(kHotKeys, "0"), "VK_S");
  SendMessageA(s, BM_CLICK, 0, 0);
  EXPECT_EQ(test::ReadText(kHotKeys, "0"), std::nullopt);

  // The space bar on the focused box.
  HWND z = box("cSetZ").hWnd();
  SetFocus(z);
  SendMessageA(z, WM_KEYDOWN, VK_SPACE, 0x00390001);
  SendMessageA(z, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_EQ(box("cSetZ").Value(), 1);
  EXPECT_EQ(test::ReadText(kHotKeys, "5"), "VK_Z");
  // Nothing is registered before the dialog closes.
  EXPECT_TRUE(KeyIsFree('Z'));
}

TEST_F(HotKeysDialog, TheHintFollowsTheMouse) {
  form().Load();
  SendMessageA(box("cSetH").hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(hint(), "Will Set Up The Hotkey For Hibernate");
  SendMessageA(box("cSetX").hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(hint(), "Will Set Up The Hotkey For Exit Program");
  SendMessageA(form().Ctl<rt::Container>("Frame1").hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(hint(), kDefaultHint);
  SendMessageA(box("cSetR").hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(form().hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(hint(), kDefaultHint);
}

TEST_F(HotKeysDialog, OkWithABoxTickedRegistersTheKeysAndTurnsThemOn) {
  test::SetText(kSettings, "HotKeysOn", "Off");  // switched off: no hot-key window
  form().Load();
  SendMessageA(box("cSetS").hWnd(), BM_CLICK, 0, 0);
  Ok();
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_TRUE(DozIzevodoz::frmvbHotKey().IsLoaded());
  EXPECT_FALSE(KeyIsFree('S'));
  EXPECT_TRUE(KeyIsFree('R'));
  EXPECT_EQ(test::ReadText(kSettings, "HotKeysOn"), "On");
  EXPECT_TRUE(boxes.shown.empty());

  // Opening again and closing untouched re-registers what is stored and changes no value.
  form().Load();
  Ok();
  EXPECT_FALSE(KeyIsFree('S'));
  EXPECT_EQ(test::ReadText(kHotKeys, "0"), "VK_S");
  EXPECT_EQ(test::ReadText(kHotKeys, "1"), std::nullopt);
}

TEST_F(HotKeysDialog, OkWithNoBoxTickedLeavesNoKeyAndTurnsTheSettingOff) {
  test::SetText(kHotKeys, "0", "VK_S");
  test::SetText(kHotKeys, "6", "VK_N");  // no box: stays, and is not registered either
  test::SetText(kSettings, "HotKeysOn", "On");
  DozIzevodoz::frmvbHotKey().Load();
  ASSERT_FALSE(KeyIsFree('S'));
  ASSERT_FALSE(KeyIsFree('N'));
  form().Load();
  SendMessageA(box("cSetS").hWnd(), BM_CLICK, 0, 0);
  Ok();
  EXPECT_FALSE(DozIzevodoz::frmvbHotKey().IsLoaded());
  for (char key : {'S', 'R', 'P', 'L', 'H', 'Z', 'X', 'N'}) EXPECT_TRUE(KeyIsFree(key)) << key;
  // The next start must not turn on again what the user has just turned off.
  EXPECT_EQ(test::ReadText(kSettings, "HotKeysOn"), "Off");
  EXPECT_EQ(test::ReadText(kHotKeys, "6"), "VK_N");
}

// Ending the program with the dialog open: its unload must not register the keys again, or the
// hot-key window would keep the program alive.
TEST_F(HotKeysDialog, QuittingWithTheDialogOpenLeavesNoHotKeyWindow) {
  DozIzevodoz::frmvbHotKey().Load();
  form().Load();
  SendMessageA(box("cSetR").hWnd(), BM_CLICK, 0, 0);
  rt::Forms::UnloadAll();
  EXPECT_EQ(rt::Forms::Count(), 0u);
  EXPECT_FALSE(DozIzevodoz::frmvbHotKey().IsLoaded());
  EXPECT_TRUE(KeyIsFree('R'));
  EXPECT_EQ(test::ReadText(kHotKeys, "1"), "VK_R");
}

TEST_F(HotKeysDialog, HelpAndPicture) {
  form().Load();
  RECT r = form().Ctl<rt::Image>("Image1").PixelRect();
  SendMessageA(form().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 4, r.top + 4));
  SendMessageA(form().hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(r.left + 4, r.top + 4));
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "Open");
  EXPECT_EQ(shell.requests[0].file, rt::App().Path + "\\Tarnwick.chm");
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);

  // The picture shows the stored keys: a check mark in the boxes of S and P only.
  test::SetText(kHotKeys, "0", "VK_S");
  test::SetText(kHotKeys, "2", "VK_P");
  form().Unload();
  form().Show();
  test::Picture picture = test::CaptureWindow(form().hWnd());
  ASSERT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "tray-frmSetHotKeys"));
  // Each box's square against that of a cleared box: a check mark is what tells them apart.
  auto square = [&](const char* name) {
    RECT r;
    GetWindowRect(box(name).hWnd(), &r);
    MapWindowPoints(nullptr, form().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT cleared = square("cSetR");
  auto marked = [&](const char* name) {
    const RECT r = square(name);
    int differing = 0;
    for (int y = 0; y < cleared.bottom - cleared.top; ++y)
      for (int x = 0; x < 16; ++x) {
        int difference = 0;
        for (int c = 0; c < 3; ++c)
          difference +=
              std::abs(picture.At(r.left + x, r.top + y, c) - picture.At(cleared.left + x, cleared.top + y, c));
        if (difference > 120) ++differing;
      }
    return differing;
  };
  for (const char* name : {"cSetL", "cSetZ", "cSetH", "cSetX"}) EXPECT_LE(marked(name), 4) << name;
  for (const char* name : {"cSetS", "cSetP"}) EXPECT_GT(marked(name), 10) << name << " shows no check mark";
}

}  // namespace
