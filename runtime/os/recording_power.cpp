#include "recording_power.h"

#include <cstdio>

namespace os {

std::string Describe(const PowerCall& call) {
  if (call.kind == PowerCall::Kind::ExitWindowsEx) return "ExitWindowsEx " + std::to_string(call.flags);
  std::string text = "SetSystemPowerState ";
  text += call.suspend ? "suspend" : "hibernate";
  if (call.force) text += " force";
  return text;
}

void RecordingPower::Record(const PowerCall& call) {
  calls.push_back(call);
  if (logPath_.empty()) return;
  if (FILE* f = std::fopen(logPath_.c_str(), "a")) {
    std::fprintf(f, "%s\n", Describe(call).c_str());
    std::fclose(f);
  }
}

bool RecordingPower::EndSession(UINT flags, DWORD reason, DWORD& lastError) {
  Record({PowerCall::Kind::ExitWindowsEx, flags, reason});
  if (!succeed) lastError = failureCode;
  return succeed;
}

bool RecordingPower::SetSystemPowerState(bool suspend, bool force, DWORD& lastError) {
  Record({PowerCall::Kind::SetSystemPowerState, 0, 0, suspend, force});
  if (!succeed) lastError = failureCode;
  return succeed;
}

}  // namespace os
