#pragma once
// frmBase, the hidden main form of the tray: it owns the tray icon, receives the icon's callback,
// pops up the tray menu and carries out its commands. Its menu items mirror the settings (check
// marks and captions); the form itself is never shown.
#include <string>

#include "form.h"

namespace tray {

class FrmBase : public rt::Form {
 public:
  FrmBase() : rt::Form("frmBase") {}

  // The tray icon, added again (hot key CTRL+ALT+N after the icon was hidden).
  void ShowIcon();
  // True while an update check (the start-up one or one asked for from the menu) is running.
  static bool UpdateCheckRunning();

 protected:
  rt::FormSettings Settings() const override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Form_Load() override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Form_Resize() override;
  void Form_Unload(int& cancel) override;
  void Menu_Click(rt::MenuItem& item) override;

 private:
  // Load steps.
  void ReadColor();
  void ReadDisplay();
  void ApplyRunOnStartUp(const std::string& runOnStartUp);
  void ReadHotKeysOn();
  void ReadForce();
  void WaitForStartUpUpdateCheck();

  // The tray callback.
  void RefreshStartupCaption();
  void PopUpTrayMenu();

  // CheckForUpdate, marked as running while it runs (its message boxes pump messages).
  static void RunUpdateCheck();
  void ShowHotKeyDialog();

  void StartIconRetry();
  void OnIconRetryTimer();

  // Menu commands (frm_base_commands.cpp).
  void mnuShutdown_Click();
  void mnuLogoff_Click();
  void mnuReboot_Click();
  void mnuPoweroff_Click();
  void mnuSuspend_Click();
  void mnuHibernate_Click();
  void mnuForce_Click();
  void ChooseColor(const char* item, const char* color);
  void mnuShutdownScreen_Click();
  void mnuStartup_Click();
  void mnuTurnOff_Click();
  void mnuHideIcon_Click();
  void mnuSetHotkeys_Click();
  void mnuTask_Click();
  void mnuText_Click();
  void mnuAbout_Click();
  void mnuHelp_Click();
  void sUpdate_Click();
  void mnuExit_Click();

  int iconRetriesLeft_ = 0;
};

FrmBase& frmBase();

}  // namespace tray
