// The about box: texts from the version block, the links through the shell seam, the hover states.
#include <windows.h>

#include <gtest/gtest.h>

#include "app.h"
#include "form.h"
#include "message_loop.h"
#include "frm_about.h"
#include "os/recording_shell.h"
#include "os/scripted_message_boxes.h"
#include "window_picture.h"

namespace {

// Only the picture shows the box: under Wine without a window manager, taking a shown window down
// costs two seconds.
class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    rt::AppObject& app = rt::App();
    app.FileDescription = "Moxbel Tarnwick";
    app.LegalCopyright = "Copyright (c) 2026 Moxbel Software\\nAll rights reserved.";
    app.Comments = "Tarnwick allows you to shutdown your computer.";
    app.Major = 4, app.Minor = 5, app.Revision = 0;
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    rt::DoEvents();
  }
  tray::FrmAbout& form() { return tray::frmAbout(); }
  rt::Label& label(const char* name) { return form().Ctl<rt::Label>(name); }
  rt::Image& image(const char* name) { return form().Ctl<rt::Image>(name); }
  POINT Inside(const char* control) {
    RECT r = form().FindControl(control)->PixelRect();
    return {r.left + 3, r.top + 3};
  }
  void Move(POINT at) { SendMessageA(form().hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }
  void Click(const char* control) {
    POINT at = Inside(control);
    SendMessageA(form().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(form().hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  std::string Red() {
    std::string red;
    for (const char* name : {"Label1", "Label2", "lblHome"}) {
      if (label(name).ForeColor() == rt::kRed) red += name;
      else EXPECT_EQ(label(name).ForeColor(), rt::kBlack) << name;
    }
    return red;
  }

  os::ScriptedMessageBoxes boxes;
  os::RecordingShell shell;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::Shell> shellInstalled{&shell};
};

TEST_F(AboutBox, TextsFromTheVersionBlock) {
  rt::App().Revision = 3;
  form().Load();
  EXPECT_EQ(form().Caption(), "About Moxbel Tarnwick v4.5.3");
  EXPECT_EQ(label("lblTitle").Caption(), "Moxbel Tarnwick");
  EXPECT_EQ(label("lblVersion").Caption(),
            "Version 4.5.3\r\nCopyright \xC2\xA9 2026 Moxbel Software\r\nAll rights reserved.");
  EXPECT_EQ(label("lblComments").Caption(), "Tarnwick allows you to shutdown your computer.");
  for (const char* name : {"lblTitle", "lblVersion", "lblComments"}) EXPECT_EQ(label(name).FontName(), "Arial");
  EXPECT_EQ(GetMenuState(GetSystemMenu(form().hWnd(), FALSE), SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(form().ScaleWidth(), 7425);
  EXPECT_EQ(form().ScaleHeight(), 5010);
}

TEST_F(AboutBox, LinksOpenTheirPages) {
  form().Load();
  struct Case { const char* control; const char* address; };
  const Case cases[] = {
      {"Image1", "http://www.moxbel.example/5.html"},  {"Image2", "http://www.moxbel.example/4.html"},
      {"Image3", "http://www.moxbel.example/11.html"}, {"Image4", "http://www.moxbel.example/6.html"},
      {"Image7", "http://www.moxbel.example/10.html"}, {"lblHome", "http://www.moxbel.example"},
      {"Label1", "http://www.moxbel.example/runtime-files.html"},
  };
  for (const Case& c : cases) {
    shell.requests.clear();
    Click(c.control);
    ASSERT_EQ(shell.requests.size(), 1u) << c.control;
    EXPECT_EQ(shell.requests[0].verb, "open");
    EXPECT_EQ(shell.requests[0].file, c.address);
    EXPECT_EQ(shell.requests[0].showCommand, SW_SHOW);
    EXPECT_EQ(shell.requests[0].owner, form().hWnd());
  }
  EXPECT_EQ(image("Image1").ToolTipText(), "Click to open the Moxbel Tarnwick Program Page!");
  Click("Label2");
  EXPECT_FALSE(form().IsLoaded());
}

TEST_F(AboutBox, TheHelpPictureSwapsOnHoverAndBackAfterItsClick) {
  form().Load();
  EXPECT_TRUE(image("Image5").Visible());
  EXPECT_FALSE(image("Image6").Visible());
  Move(Inside("Image5"));
  EXPECT_FALSE(image("Image5").Visible());
  EXPECT_TRUE(image("Image6").Visible());
  EXPECT_EQ(image("Image6").ToolTipText(), "Click to open help file!");
  Click("Image6");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "Open");
  EXPECT_EQ(shell.requests[0].file, rt::App().Path + "\\Tarnwick.chm");
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(image("Image5").Visible());
  EXPECT_FALSE(image("Image6").Visible());
  // The bare form puts it back as well.
  Move(Inside("Image5"));
  Move({2, 200});
  EXPECT_TRUE(image("Image5").Visible());
}

TEST_F(AboutBox, TheLinkUnderTheMouseIsRedAndStaysSoOverOtherControls) {
  form().Load();
  EXPECT_EQ(Red(), "");
  Move(Inside("Label1"));
  EXPECT_EQ(Red(), "Label1");
  Move(Inside("lblHome"));
  EXPECT_EQ(Red(), "lblHome");
  Move(Inside("Image3"));  // a product picture changes nothing
  EXPECT_EQ(Red(), "lblHome");
  Move(Inside("Label2"));
  EXPECT_EQ(Red(), "Label2");
  Move({2, 200});
  EXPECT_EQ(Red(), "");
}

TEST_F(AboutBox, Picture) {
  form().Show();
  test::Picture picture = test::CaptureWindow(form().hWnd());
  ASSERT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "tray-frmAbout"));
  // The background picture fills the client area: its pale blue near the top.
  EXPECT_EQ(picture.width, 495);
  EXPECT_GT(picture.At(200, 4, 2), picture.At(200, 4, 0));
}

}  // namespace
