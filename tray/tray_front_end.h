#pragma once
// The tray's answer to what the power-action core asks of the windows.
#include "front_end.h"

namespace tray {

class TrayFrontEnd final : public DozIzevodoz::FrontEnd {
 public:
  void LoadTrayForm() override;
  HWND TrayFormWindow() override;
  void ShowOptionsDialog() override;
  bool SetCountdownCaption(bool commandLineWindow, const std::string& caption) override;
  void SetCommandLineCountdownSeconds(const std::string& seconds) override;
  void ListTasksToRun(const DozIzevodoz::TaskRun& run) override;
  HWND LoadProgressWindow() override;
  void RunTasksInProgressWindow(const DozIzevodoz::TaskRun& run) override;
  void UnloadProgressWindow() override;
  void CancelTaskRun() override;
  void UnloadTrayCountdown() override;
  void ShowTaskChooser() override;
  void RefillTaskChooser(const std::vector<std::string>& descriptions) override;
  HWND TaskChooserWindow() override;
  int32_t TaskChooserCurrentId() override;
  void EnableTaskChooser(bool enabled) override;
  void TryTaskRun(const DozIzevodoz::TaskRun& run) override;
  bool CancelNoticeShown() override;
  void ShowTrayIcon() override;
  void PauseTrayCountdown() override;
  void CancelCountdown(bool commandLineWindow) override;
};

}  // namespace tray
