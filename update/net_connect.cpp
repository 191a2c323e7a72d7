#include "net_connect.h"

#include <algorithm>

#include "internet_session.h"
#include "os/network.h"
#include "update_address.h"
#include "update_config.h"

CNetConnect::CNetConnect() {
  std::string base = AutoUpdate::UpdateBase();
  if (!base.empty()) KnownTestSites({AutoUpdate::JoinUrl(base, "/")});
}

void CNetConnect::KnownTestSites(const std::vector<std::string>& sites) {
  sites_.clear();
  for (const std::string& site : sites)
    if (std::find(sites_.begin(), sites_.end(), site) == sites_.end()) sites_.push_back(site);
}

bool CNetConnect::Connected() {
  Refresh();
  return connected_;
}

DWORD CNetConnect::ConnectMode() {
  Refresh();
  return modeFlags_;
}

std::string CNetConnect::ConnectModeDesc() {
  Refresh();
  return modeText_;
}

bool CNetConnect::Dial(DWORD flags) { return !Connected() && os::internetState().Autodial(flags); }

bool CNetConnect::HangUp() { return Connected() && os::internetState().AutodialHangup(); }

void CNetConnect::Refresh() {
  DWORD flags = 0;
  bool ok = os::internetState().ConnectedState(flags);
  modeFlags_ = flags;
  connected_ = ok;
  if (flags & INTERNET_CONNECTION_MODEM) {
    modeText_ = "Modem";
    if (!(flags & INTERNET_CONNECTION_MODEM_BUSY)) return;
    modeText_ = "Modem (Busy)";
  } else if (flags & INTERNET_CONNECTION_LAN) {
    modeText_ = "LAN";
  } else if (flags & INTERNET_CONNECTION_PROXY) {
    modeText_ = "Proxy Server";
  } else {
    return;
  }
  connected_ = Probe();
}

// Any answer counts, an error page too: the question is only whether the host can be reached.
bool CNetConnect::Probe() const {
  AutoUpdate::UniqueInternet session = AutoUpdate::OpenInternetSession();
  if (!session) return false;
  for (const std::string& site : sites_) {
    if (AutoUpdate::OpenUrl(session.get(), site, AutoUpdate::kFreshCopyFlags | INTERNET_FLAG_KEEP_CONNECTION))
      return true;
  }
  return false;
}
