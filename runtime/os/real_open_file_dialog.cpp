// The Open dialog of comdlg32.
#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "open_file_dialog.h"

namespace os {

std::string DialogFilter(const std::string& filter) {
  std::string pairs = filter;
  for (char& c : pairs)
    if (c == '|') c = '\0';
  pairs.push_back('\0');
  pairs.push_back('\0');
  return pairs;
}

namespace {

class RealOpenFileDialog final : public OpenFileDialog {
 public:
  std::optional<std::string> Choose(const OpenFileRequest& r) override {
    std::string filter = DialogFilter(r.filter);
    std::vector<char> file(MAX_PATH * 4, '\0');
    r.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = r.owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = r.initialDir.empty() ? nullptr : r.initialDir.c_str();
    ofn.lpstrTitle = r.title.c_str();
    ofn.Flags = r.flags;
    if (!GetOpenFileNameA(&ofn)) return std::nullopt;  // cancelled, or CommDlgExtendedError has why
    return std::string(file.data());
  }
};

}  // namespace

template <>
OpenFileDialog& DefaultAdapter<OpenFileDialog>() {
  static RealOpenFileDialog adapter;
  return adapter;
}

}  // namespace os
