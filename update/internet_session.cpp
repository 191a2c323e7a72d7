#include "internet_session.h"

#include "app.h"

namespace AutoUpdate {

UniqueInternet OpenInternetSession() {
  UniqueInternet session(InternetOpenA(rt::App().Title.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return session;
  DWORD timeout = kNetworkTimeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionA(session.get(), option, &timeout, sizeof timeout);
  return session;
}

}  // namespace AutoUpdate
