#include "version_block.h"

#include <cstdio>
#include <vector>

namespace rt {
namespace {

std::string QueryString(const std::vector<char>& data, const char* language, const char* field) {
  char path[128];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%s\\%s", language, field);
  char* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&text), &length) || !text) return {};
  std::string value(text, length);
  if (auto nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
  return value;
}

}  // namespace

bool ReadVersionBlock(const std::string& modulePath, VersionBlock& out) {
  out = {};
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(modulePath.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(modulePath.c_str(), 0, size, data.data())) return false;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedLength = 0;
  if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) && fixed &&
      fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
    out.major = HIWORD(fixed->dwFileVersionMS);
    out.minor = LOWORD(fixed->dwFileVersionMS);
    out.revision = LOWORD(fixed->dwFileVersionLS);
  }

  struct Translation { WORD language, codePage; };
  Translation* translations = nullptr;
  UINT translationBytes = 0;
  char language[16] = "040904b0";
  if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                     &translationBytes) && translations && translationBytes >= sizeof(Translation)) {
    std::snprintf(language, sizeof language, "%04x%04x", translations[0].language, translations[0].codePage);
  }
  out.fileDescription = QueryString(data, language, "FileDescription");
  out.legalCopyright = QueryString(data, language, "LegalCopyright");
  out.legalTrademarks = QueryString(data, language, "LegalTrademarks");
  out.comments = QueryString(data, language, "Comments");
  out.companyName = QueryString(data, language, "CompanyName");
  out.productName = QueryString(data, language, "ProductName");
  return true;
}

}  // namespace rt
