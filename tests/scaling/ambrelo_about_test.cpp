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
#include "frm_about.h"
#include "os/recording_shell.h"
#include "process_driver.h"
#include "scoped_win.h"
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

// Linked into this program, the box reads this program's block, which has no trademarks text.
TEST_F(AboutBox, TheTextsComeFromTheModulesVersionBlock) {
  form().Load();
  const rt::AppObject& app = rt::App();
  EXPECT_EQ(form().Caption(), "About Ambrelo");
  EXPECT_EQ(label("lblTitle").Caption(), "Ambrelo");
  EXPECT_EQ(label("lblVersion").Caption(), amb::VersionLine(app.Major, app.Minor, app.Revision));
  EXPECT_EQ(label("lblDescription").Caption(), app.FileDescription);
  EXPECT_EQ(label("lblCopyright").Caption(), app.LegalCopyright);
  EXPECT_EQ(label("lblTrademark").Caption(), app.LegalTrademarks);
  for (const char* link : {"lblSales", "lblWebSite"}) EXPECT_EQ(label(link).ForeColor(), 0xFF0000u) << link;
  EXPECT_EQ(amb::VersionLine(2, 5, 0), "Version 2.5.0");
}

TEST(AmbreloVersionBlock, TheLibraryCarriesEveryTextItsAboutBoxShows) {
  rt::VersionBlock block;
  ASSERT_TRUE(rt::ReadVersionBlock(rt::Utf8FromWide(AMBRELO_DLL_PATH), block));
  EXPECT_EQ(amb::VersionLine(block.major, block.minor, block.revision), "Version 11.0.0");
  EXPECT_EQ(block.fileDescription, "Ambrelo form-scaling control");
  EXPECT_EQ(block.legalCopyright, "Copyright \xC2\xA9 2026 Corvane Software");
  EXPECT_EQ(block.legalTrademarks, "Ambrelo is a trademark of Corvane Software");
}

TEST_F(AboutBox, EachClickOnALinkOpensItsAddressAndTheBoxStays) {
  form().Load();
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
    test::Picture picture = test::CaptureWindow(about);
    EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "ambrelo-about-box"));
    EXPECT_GT(picture.width, 300);
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
}

}  // namespace
