#pragma once
// A power adapter that only records what it was asked to do. With a log path it also appends one
// line per call to that file, so a test can watch a separate process.
#include <string>
#include <vector>

#include "power.h"

namespace os {

struct PowerCall {
  enum class Kind { ExitWindowsEx, SetSystemPowerState } kind;
  UINT flags = 0;        // ExitWindowsEx
  DWORD reason = 0;      // ExitWindowsEx
  bool suspend = false;  // SetSystemPowerState
  bool force = false;    // SetSystemPowerState
};

std::string Describe(const PowerCall& call);  // "ExitWindowsEx 5", "SetSystemPowerState suspend force"

class RecordingPower final : public Power {
 public:
  explicit RecordingPower(std::string logPath = {}) : logPath_(std::move(logPath)) {}
  bool EndSession(UINT flags, DWORD reason, DWORD& lastError) override;
  bool SetSystemPowerState(bool suspend, bool force, DWORD& lastError) override;

  std::vector<PowerCall> calls;
  bool succeed = true;
  DWORD failureCode = ERROR_ACCESS_DENIED;  // the last error of a failed call

 private:
  void Record(const PowerCall& call);
  std::string logPath_;
};

}  // namespace os
