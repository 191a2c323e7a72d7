#include "downloader.h"

#include "internet_session.h"

namespace AutoUpdate {
namespace {

bool IsHttpOk(HINTERNET request) {
  DWORD status = 0, size = sizeof status;
  return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) &&
         status == 200;
}

bool CopyBody(HINTERNET request, HANDLE out, uint64_t maxBytes) {
  char buffer[16 * 1024];
  uint64_t total = 0;
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, buffer, sizeof buffer, &read)) return false;
    if (read == 0) return true;
    total += read;
    if (total > maxBytes) return false;
    DWORD written = 0;
    if (!WriteFile(out, buffer, read, &written, nullptr) || written != read) return false;
  }
}

}  // namespace

bool DownloadFile(const std::string& url, const std::string& file, uint64_t maxBytes) {
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
    ok = CopyBody(request, out.get(), maxBytes);
  }
  if (!ok) DeleteFileA(file.c_str());
  return ok;
}

}  // namespace AutoUpdate
