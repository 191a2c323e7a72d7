#pragma once
// frmAbout: the library's about box. Its texts come from the library's own version block; two
// links open the maker's support mailbox and web site through the shell. OK, Enter, Esc and the
// close box only hide it; whoever showed it unloads it.
#include <windows.h>

#include <string>

#include "form.h"

namespace amb {

// The maker's addresses (a reserved domain: it never reaches anyone's server).
inline constexpr char kSupportMailLink[] = "mailto:support@corvane.example";
inline constexpr char kMakerWebSite[] = "http://www.corvane.example";

class FrmAbout : public rt::Form {
 public:
  FrmAbout() : rt::Form("frmAbout") {}

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, rt::UnloadMode mode) override;
  void Control_Click(rt::Control& sender) override;
};

// The thread's about box, kept for the thread's life.
FrmAbout& frmAbout();

// ShellExecuteA with no owner and no verb, shown normally; the shell's result.
INT_PTR OpenLink(const std::string& address);

// "Version 2.5.0".
std::string VersionLine(int major, int minor, int revision);

}  // namespace amb
