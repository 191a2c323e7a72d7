#include "downloader.h"

#include <algorithm>

#include "internet_session.h"

namespace AutoUpdate {
namespace {

bool IsHttpOk(HINTERNET request) {
  DWORD status = 0, size = sizeof status;
  return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) &&
         status == 200;
}

// Each read takes only what has arrived, so that a slow server cannot keep one read busy past
// the deadline: a full buffer's read would wait for the whole buffer.
bool CopyBody(HINTERNET request, HANDLE out, uint64_t maxBytes, std::chrono::steady_clock::time_point deadline) {
  char buffer[16 * 1024];
  uint64_t total = 0;
  for (;;) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0)) return false;
    DWORD read = 0;
    if (!InternetReadFile(request, buffer, std::clamp<DWORD>(available, 1, sizeof buffer), &read)) return false;
    if (read == 0) return true;
    total += read;
    if (total > maxBytes) return false;
    DWORD written = 0;
    if (!WriteFile(out, buffer, read, &written, nullptr) || written != read) return false;
  }
}

}  // namespace

bool DownloadFile(const std::string& url, const std::string& file, uint64_t maxBytes,
                  std::chrono::milliseconds deadline) {
  const auto until = std::chrono::steady_clock::now() + deadline;
  UniqueInternet session = OpenInternetSession();
  if (!session) return false;
  UrlRequest fetched = OpenUrl(session.get(), url, kFreshCopyFlags);
  if (!fetched || !IsHttpOk(fetched.request.get())) return false;
  HINTERNET request = fetched.request.get();
  bool ok;
  {
    rt::UniqueHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (out.get() == INVALID_HANDLE_VALUE) {
      out.release();
      return false;
    }
    ok = CopyBody(request, out.get(), maxBytes, until);
  }
  if (!ok) DeleteFileA(file.c_str());
  return ok;
}

}  // namespace AutoUpdate
