#include "internet_session.h"

#include "app.h"

namespace AutoUpdate {

namespace {

void SetTimeouts(HINTERNET handle) {
  DWORD timeout = kNetworkTimeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionA(handle, option, &timeout, sizeof timeout);
}

}  // namespace

UniqueInternet OpenInternetSession() {
  UniqueInternet session(InternetOpenA(rt::App().Title.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) return session;
  SetTimeouts(session.get());
  return session;
}

UrlRequest OpenUrl(HINTERNET session, const std::string& url, DWORD flags) {
  char host[256] = {}, path[2048] = {};
  URL_COMPONENTSA parts = {sizeof parts};
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof host;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = sizeof path;
  UrlRequest r;
  if (!InternetCrackUrlA(url.c_str(), 0, 0, &parts)) return r;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return r;
  if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
  r.connection.reset(InternetConnectA(session, host, parts.nPort, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!r.connection) return r;
  SetTimeouts(r.connection.get());
  UniqueInternet request(HttpOpenRequestA(r.connection.get(), "GET", path[0] ? path : "/", nullptr, nullptr,
                                          nullptr, flags, 0));
  if (!request) return r;
  SetTimeouts(request.get());
  if (HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) r.request = std::move(request);
  return r;
}

}  // namespace AutoUpdate
