#pragma once
// A wininet session for the update: the program's title as agent, the system's configured access,
// and time-outs on every connection so that nothing blocks the GUI thread without limit.
#include <windows.h>
#include <wininet.h>

#include <string>

#include "scoped_win.h"

namespace AutoUpdate {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { InternetCloseHandle(h); }
};
using UniqueInternet = rt::UniqueResource<InternetHandleTraits>;

inline constexpr DWORD kNetworkTimeoutMs = 5000;

// Empty when wininet refuses.
UniqueInternet OpenInternetSession();

// A fresh copy, never one from or into the cache.
inline constexpr DWORD kFreshCopyFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

// An HTTP(S) GET of url that has been sent and answered (any status). The time-outs are set on
// the connection itself: a connection does not take them over from its session.
struct UrlRequest {
  UniqueInternet connection;
  UniqueInternet request;
  explicit operator bool() const { return static_cast<bool>(request); }
};
UrlRequest OpenUrl(HINTERNET session, const std::string& url, DWORD flags);

}  // namespace AutoUpdate
