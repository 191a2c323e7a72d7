#include "auto_update.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "app.h"
#include "downloader.h"
#include "form.h"
#include "front_end.h"
#include "frm_update.h"
#include "message_loop.h"
#include "msg_box.h"
#include "net_connect.h"
#include "os/program_end.h"
#include "os/shell.h"
#include "path_text.h"
#include "sound.h"
#include "timed_message_box.h"
#include "update_address.h"
#include "update_config.h"
#include "updater_check.h"
#include "version_file.h"

namespace AutoUpdate {
namespace {

constexpr UINT kInfoBox = MB_ICONINFORMATION | MB_OK;

// Every road of a check that shows no notice ends here; a notice ends the check when it unloads.
void EndCheck() {
  ManualUpdateCheck = false;
  UpdateCheckDone = true;
}

// A read-only copy left from an earlier run would make the download fail; the folder itself is
// the user's and keeps its attributes.
void ClearReadOnly(const std::string& file) {
  DWORD attributes = GetFileAttributesA(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesA(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

// The file's text, and the file is gone: nothing of a check is left in the temporary folder.
std::string ReadAndDelete(const std::string& file) {
  std::string text;
  {
    std::ifstream in(file, std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  DeleteFileA(file.c_str());
  return text;
}

HWND TrayWindow() {
  try {
    return DozIzevodoz::frontEnd().TrayFormWindow();
  } catch (...) {
    return nullptr;
  }
}

// Downloads under a name of its own beside the target, and only a verified updater becomes
// "Update.exe", so a broken or foreign download never takes the updater's name.
bool FetchVerifiedUpdater(const std::string& base, const std::string& target) {
  if (base.empty()) return false;
  char temp[MAX_PATH] = {};
  if (!GetTempFileNameA(rt::App().Path.c_str(), "upd", 0, temp)) return false;
  bool ok = DownloadFile(JoinUrl(base, kUpdaterPath), temp, kUpdaterLimit) && IsVouchedUpdater(temp, UpdaterSha256) &&
            MoveFileExA(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING);
  if (!ok) DeleteFileA(temp);
  return ok;
}

void ReportUpdaterFailure(HWND owner) {
  TimedMessageBox::SingleButtonMode = true;
  TimedMessageBox::MsgText = kUpdaterErrorText;
  TimedMessageBox::SingleButtonMsg(TimedMessageBox::MsgText, owner, 4);
  TimedMessageBox::SingleButtonMode = false;
  ManualUpdateCheck = false;
}

bool RunCheck() {
  const std::string base = UpdateBase();
  if (base.empty()) {  // nothing to ask, so no traffic at all; only the user's own check hears why
    if (ManualUpdateCheck) rt::MsgBox(kNoServerText, kInfoBox, kUpdateTitle);
    EndCheck();
    return false;
  }
  if (!CNetConnect().Connected()) {
    if (ManualUpdateCheck) rt::MsgBox(kNotConnectedText, kInfoBox, kNotConnectedTitle);
    EndCheck();
    return false;
  }
  std::string tmp = GetTempFile();
  if (tmp.empty() || tmp.back() != '\\') tmp += '\\';
  const std::string versionFile = tmp + "ver.txt";
  ClearReadOnly(versionFile);
  if (!DownloadFile(JoinUrl(base, kVersionFilePath), versionFile, kVersionFileLimit)) {
    rt::MsgBox(kVersionFileErrorText, kInfoBox, kUpdateTitle);
    EndCheck();
    return false;
  }
  std::optional<VersionFile> published = ParseVersionFile(ReadAndDelete(versionFile));
  if (!published) {  // not what the server should publish (an error page, a portal): say nothing
    EndCheck();
    return false;
  }
  UpdateProductName = published->productName;
  UpdateVersion = published->versionText;
  UpdaterSha256 = published->updaterSha256;
  const rt::AppObject& app = rt::App();
  if (published->version > Version{app.Major, app.Minor, app.Revision}) {
    frmUpdate().Label2(UpdateProductName);
    frmUpdate().Show();
    return false;  // the notice ends the check when it unloads
  }
  if (ManualUpdateCheck)
    rt::MsgBox(" The Moxbel " + UpdateProductName + " Program Is Up-to-Date!", kInfoBox,
               "Moxbel " + UpdateProductName + " AutoUpdate Program");
  EndCheck();
  return false;
}

}  // namespace

std::string GetTempFile() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetTempPathA(MAX_PATH, path);
  return length && length <= MAX_PATH ? std::string(path) : std::string();
}

bool CheckForUpdate() {
  try {
    return RunCheck();
  } catch (...) {
    EndCheck();
    return false;
  }
}

void GetUpdate() {
  Sound::EndPlaySound();
  frmUpdate().Timer1Enabled(false);
  frmUpdate().Hide();
  frmUpdate().Unload();
  // The updater ends the program: an editor holding unsaved work asks its user first, and a
  // refusal leaves the update for a later check, before anything is downloaded.
  if (!rt::Forms::QueryEnd()) {
    ManualUpdateCheck = false;
    return;
  }
  HWND owner = TrayWindow();
  const std::string target = rt::JoinPath(rt::App().Path, "Update.exe");
  if (FetchVerifiedUpdater(UpdateBase(), target)) {
    ManualUpdateCheck = false;
    os::ShellExecuteRequest start{owner, "Open", target, "", "", SW_SHOWNORMAL};
    if (os::shell().Execute(start) > 32) {
      for (int i = 0; i < 10; ++i) {
        rt::DoEvents();
        Sleep(10);
      }
      os::programEnd().End();
      return;
    }
  }
  ReportUpdaterFailure(owner);
}

}  // namespace AutoUpdate
