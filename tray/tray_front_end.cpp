#include "tray_front_end.h"

#include "pending_forms.h"

namespace tray {

void TrayFrontEnd::LoadTrayForm() { frmBase().Load(); }

void TrayFrontEnd::DisableTrayTimer() {}

HWND TrayFrontEnd::TrayFormWindow() { return frmBase().hWnd(); }

void TrayFrontEnd::ShowOptionsDialog() { frmOption().Show(); }

void TrayFrontEnd::SetCountdownCaption(bool commandLineWindow, const std::string& caption) {
  (commandLineWindow ? Form2() : Form1()).Load();
}

void TrayFrontEnd::SetCommandLineCountdownSeconds(const std::string& seconds) { Form2().Load(); }

}  // namespace tray
