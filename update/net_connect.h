#pragma once
// CNetConnect: can the computer reach the update host? Asks the system for the connection state
// and, where that answer is not final, confirms it by opening one of the test sites. Every read
// runs the whole test again.
#include <windows.h>

#include <string>
#include <vector>

class CNetConnect {
 public:
  // The sites default to the update host alone (no third-party sites); none when no host is set.
  CNetConnect();

  const std::vector<std::string>& KnownTestSites() const { return sites_; }
  // Keeps the order; a site that is already listed is not added twice.
  void KnownTestSites(const std::vector<std::string>& sites);

  bool Connected();
  DWORD ConnectMode();
  std::string ConnectModeDesc();
  bool Dial(DWORD flags);
  bool HangUp();
  void Refresh();

 private:
  bool Probe() const;

  std::vector<std::string> sites_;
  bool connected_ = false;
  DWORD modeFlags_ = 0;
  std::string modeText_;
};
