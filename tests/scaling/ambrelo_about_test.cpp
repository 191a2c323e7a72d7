// The about box: in this process over the library's code (texts, links, closing), and as a script
// host that knows nothing of our runtime meets it: JScript under the prefix's cscript creates the
// registered control by its ProgID, works its flag collection (keys in any case, positions, Add,
// Remove, For Each), prints, and shows the box, which another process (this test) looks at and
// closes with a click on OK sent as another program sends it: handled inside the box's wait for its
// next message, so the box's loop sees its form hidden only if something wakes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app.h"
#include "automation_client.h"
#include "control_fixture.h"
#include "controls.h"
#include "frm_about.h"
#include "library_boxes.h"
#include "os/recording_shell.h"
#include "process_driver.h"
#include "scoped_win.h"
#include "screen.h"
#include "text_encoding.h"
#include "version_block.h"
#include "window_picture.h"

namespace {

class AboutBox : public ::testing::Test {
 protected:
  void TearDown() override { amb::frmAbout().Unload(); }
  static amb::FrmAbout& form() { return amb::frmAbout(); }
  static rt::Label& label(const char* name) { return form().Ctl<rt::Label>(name); }
  static void Click(const char* control) {
    RECT r = form().FindControl(control)->PixelRect();
    LPARAM at = MAKELPARAM(r.left + 3, r.top + 3);
    SendMessageA(form().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(form().hWnd(), WM_LBUTTONUP, 0, at);
  }

  os::RecordingShell shell;
  os::Install<os::Shell> shellInstalled{&shell};
};

// The texts of the library's own version block, as its about box shows them.
constexpr const char* kVersionLine = "Version 11.0.0";
constexpr const char* kDescription = "Ambrelo form-scaling control";
constexpr const char* kCopyright = "Copyright \xC2\xA9 2026 Corvane Software";
constexpr const char* kTrademark = "Ambrelo is a trademark of Corvane Software";

TEST(AmbreloVersionBlock, TheLibraryCarriesEveryTextItsAboutBoxShows) {
  rt::VersionBlock block;
  ASSERT_TRUE(rt::ReadVersionBlock(rt::Utf8FromWide(AMBRELO_DLL_PATH), block));
  EXPECT_EQ(amb::VersionLine(block.major, block.minor, block.revision), kVersionLine);
  EXPECT_EQ(block.fileDescription, kDescription);
  EXPECT_EQ(block.legalCopyright, kCopyright);
  EXPECT_EQ(block.legalTrademarks, kTrademark);
  EXPECT_EQ(amb::VersionLine(2, 5, 0), "Version 2.5.0") << "no leading zeros";
}

TEST_F(AboutBox, EachClickOnALinkOpensItsAddressAndTheBoxStays) {
  form().Load();
  for (const char* link : {"lblSales", "lblWebSite"}) EXPECT_EQ(label(link).ForeColor(), 0xFF0000u) << link;
  for (const char* link : {"lblSales", "lblSales", "lblWebSite"}) Click(link);
  ASSERT_EQ(shell.requests.size(), 3u);
  EXPECT_EQ(shell.requests[0].file, "mailto:support@corvane.example");
  EXPECT_EQ(shell.requests[1].file, "mailto:support@corvane.example");
  EXPECT_EQ(shell.requests[2].file, "http://www.corvane.example");
  for (const os::ShellExecuteRequest& r : shell.requests) {
    EXPECT_EQ(r.owner, nullptr);
    EXPECT_EQ(r.verb, "");
    EXPECT_EQ(r.showCommand, SW_SHOWNORMAL);
  }
  EXPECT_TRUE(form().IsLoaded());
}

TEST_F(AboutBox, TheCloseBoxOnlyHidesTheBox) {
  form().Show();
  SendMessageA(form().hWnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form().IsLoaded());
  EXPECT_FALSE(form().Visible());
  EXPECT_TRUE(form().Unload()) << "the caller's own unload goes through";
}

// Output of the script, one WScript.Echo a line.
std::string RunScriptHost(const std::string& script, const std::function<void(DWORD pid)>& whileRunning) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = temp, scriptPath = folder + "ambrelo_about_test.js", outPath = folder + "ambrelo_about_test.out";
  std::ofstream(scriptPath) << script;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  rt::UniqueHandle out(CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOA si{sizeof si};
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = out.get();
  PROCESS_INFORMATION pi{};
  std::string command = "cscript.exe \"" + scriptPath + "\"";
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return "no cscript";
  rt::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  whileRunning(pi.dwProcessId);
  if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  out.reset();
  std::stringstream text;
  text << std::ifstream(outPath).rdbuf();
  return text.str();
}

// Where the box shows its texts: the labels from the title down to the trademarks, in pixels of
// its client area.
RECT TextArea() {
  const rt::ScreenObject& screen = rt::Screen();
  return {screen.TwipsToPixelsX(1680), screen.TwipsToPixelsY(240), screen.TwipsToPixelsX(1680 + 4935),
          screen.TwipsToPixelsY(2340 + 495)};
}

// The pixels in which two pictures of the box differ, within its text area.
int DifferingTextPixels(const test::Picture& a, const test::Picture& b) {
  RECT area = TextArea();
  if (a.width < area.right || b.width < area.right || a.height < area.bottom || b.height < area.bottom) return -1;
  int differing = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      for (int channel = 0; channel < 3; ++channel) differing += a.At(x, y, channel) != b.At(x, y, channel);
  return differing;
}

// The box's own code, linked in here, showing the texts of the library's block.
test::Picture BoxShowingTheLibrarysTexts() {
  amb::FrmAbout& box = amb::frmAbout();
  box.Load();
  box.Ctl<rt::Label>("lblTitle").SetCaption("Ambrelo");
  box.Ctl<rt::Label>("lblVersion").SetCaption(kVersionLine);
  box.Ctl<rt::Label>("lblDescription").SetCaption(kDescription);
  box.Ctl<rt::Label>("lblCopyright").SetCaption(kCopyright);
  box.Ctl<rt::Label>("lblTrademark").SetCaption(kTrademark);
  box.Show();
  test::Picture picture = test::CaptureWindow(box.hWnd());
  box.Unload();
  return picture;
}

// The registered library's box in a host whose own version block is another (the script host's):
// its caption and texts are the library's own.
TEST(AboutBoxFromAScriptHost, AboutBoxShowsTheFormAndOkEndsTheCall) {
  const std::string script =
      "var c = new ActiveXObject('AmbreloControl.Ambrelo');\n"
      "WScript.Echo('info ' + c.colControlInfo.Count + ', flags ' + c.colControlFlags.Count);\n"
      "var flags = c.colControlFlags;\n"
      "c.SaveControlFlags('Alpha'); c.SaveControlFlags('Beta');\n"
      "flags.Item('ALPHA').DontScaleLeft = true;\n"
      "flags.Add(flags.Item(2), 'Gamma'); flags.Remove('beta');\n"
      "var seen = [];\n"
      "for (var e = new Enumerator(flags); !e.atEnd(); e.moveNext()) seen.push(e.item().DontScaleLeft);\n"
      "WScript.Echo('flags ' + c.colControlFlags.Count + ' ' + flags(1).DontScaleLeft + ' ' + flags('gamma').DontScaleLeft + ' ' + seen);\n"
      "WScript.Echo('PrintSize ' + c.PrintSize(true) + ' ' + c.PrintSize(false, 0, 0, 1, false, false, false));\n"
      "c.AboutBox();\n"
      "WScript.Echo('AboutBox returned');\n";
  HWND about = nullptr;
  test::Picture shown;
  std::string output = RunScriptHost(script, [&](DWORD pid) {
    test::WaitUntil([&] {
      about = test::FindVisibleWindowOf(pid, [](HWND w) -> HWND {
        char caption[64] = {};
        GetWindowTextA(w, caption, sizeof caption);
        return std::string(caption) == "About Ambrelo" ? w : nullptr;
      });
      return about != nullptr;
    });
    if (!about) return;
    shown = test::CaptureWindow(about);
    EXPECT_TRUE(test::KeepPicture(shown, TARNWICK_ARTIFACT_DIR, "ambrelo-about-box"));
    EXPECT_GT(shown.width, 300);
    HWND ok = FindWindowExA(about, nullptr, nullptr, "OK");
    ASSERT_NE(ok, nullptr);
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &answer)) << "OK did not answer";
  });
  ASSERT_NE(about, nullptr) << output;
  EXPECT_NE(output.find("info 0, flags 0"), std::string::npos) << output;
  EXPECT_NE(output.find("flags 2 true false true,false"), std::string::npos) << output;
  EXPECT_NE(output.find("PrintSize 0 0"), std::string::npos) << output;
  EXPECT_NE(output.find("AboutBox returned"), std::string::npos) << output;
  EXPECT_EQ(DifferingTextPixels(shown, BoxShowingTheLibrarysTexts()), 0) << "the texts of the library's block";
}

// A second AboutBox while the box is up (called from another window of the host, which stays
// enabled) brings the box forward and returns at once; the box stays usable, and OK ends the
// first call and gives the caller's window back.
struct SecondCall {
  IDispatch* control = nullptr;
  HWND about = nullptr;
  bool called = false, returned = false, rescued = false, enabledAfter = false, visibleAfter = false;
};
SecondCall g_second;

// Should the second call not return, its box is closed a while later so that the test ends.
void CALLBACK Rescue(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_second.rescued = true;
  ambtest::ClickOk(g_second.about);
}

void CALLBACK CallAgainWhileShown(HWND, UINT, UINT_PTR timer, DWORD) {
  if (g_second.called || !(g_second.about = ambtest::AboutBoxOfThisThread())) return;
  KillTimer(nullptr, timer);
  g_second.called = true;
  UINT_PTR rescue = SetTimer(nullptr, 0, 3000, &Rescue);
  test::LateCall again = test::LateInvoke(g_second.control, L"AboutBox", DISPATCH_METHOD);
  g_second.returned = again.ok() && !g_second.rescued;
  KillTimer(nullptr, rescue);
  g_second.enabledAfter = IsWindowEnabled(g_second.about) != FALSE;
  g_second.visibleAfter = IsWindowVisible(g_second.about) != FALSE;
  ambtest::ClickOk(g_second.about);
}

TEST(AboutBoxOfTheLibrary, ASecondCallWhileTheBoxIsUpReturnsAndLeavesItUsable) {
  rt::ComPtr<IDispatch> control = ambtest::CreateControl();
  ASSERT_TRUE(control);
  HWND caller = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 20, 20, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
  SetActiveWindow(caller);
  g_second = SecondCall{control.get()};
  UINT_PTR timer = SetTimer(nullptr, 0, 100, &CallAgainWhileShown);
  test::LateCall first = test::LateInvoke(control.get(), L"AboutBox", DISPATCH_METHOD);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(first.ok());
  EXPECT_TRUE(g_second.called);
  EXPECT_TRUE(g_second.returned) << "the second call came back by itself";
  EXPECT_TRUE(g_second.enabledAfter) << "the box is not disabled by the second call";
  EXPECT_TRUE(g_second.visibleAfter);
  EXPECT_TRUE(IsWindowEnabled(caller)) << "the caller's window is given back";
  DestroyWindow(caller);
}

}  // namespace
