#pragma once
// frmAbout: the program's name, version, legal notice and description from its version block,
// with links to the help file and to the maker's pages; link labels turn red under the mouse.
#include <string>

#include "form.h"

namespace tray {

// The maker's web site (a reserved domain: it never resolves to anyone's server).
inline constexpr char kMakerHomePage[] = "http://www.moxbel.example";
inline constexpr char kRuntimeFilesPage[] = "http://www.moxbel.example/runtime-files.html";

class FrmAbout : public rt::Form {
 public:
  FrmAbout() : rt::Form("frmAbout") {}

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Control_Click(rt::Control& sender) override;
  void Control_MouseMove(rt::Control& sender, int button, int shift, double x, double y) override;

 private:
  void OpenPage(const std::string& address);
  void HighlightLink(const rt::Control* hovered);
  void ShowHelpPicture(bool hover);
};

FrmAbout& frmAbout();

}  // namespace tray
