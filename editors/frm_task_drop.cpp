// The task editor's quick ways to a program: the Open dialog behind "Browse", files dropped from
// the shell, and the working folder they propose.
#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

#include "file_description.h"
#include "folder.h"
#include "frm_task.h"
#include "msg_box.h"
#include "os/open_file_dialog.h"
#include "shared_state.h"
#include "shortcut_link.h"

namespace editors {

void FrmTask::BrowseProgram() {
  os::OpenFileRequest request;
  request.owner = hWnd();
  request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
  request.title = "Select Program";
  request.initialDir = DozIzevodoz::SystemDriveRoot;
  request.filter = "Program (*.exe)|*.exe|Shortcuts (*.lnk)|*.lnk|All Files (*.*)|*.*";
  request.fileName = lastBrowsed_;
  std::optional<std::string> chosen = os::openFileDialog().Choose(request);
  if (!chosen) return;
  lastBrowsed_ = *chosen;
  DropPlan plan = PlanDrop(*chosen);
  if (plan.kind == DropPlan::Kind::Shortcut) {
    // A shortcut cannot be started as a program: what it starts goes into the task instead.
    if (std::optional<ShortcutTarget> target = ResolveShortcut(*chosen)) {
      ApplyShortcutTarget(*target);
      return;
    }
  }
  Ctl<rt::TextBox>("txtProg").SetText(*chosen);
  ApplyDefaultWorkDir();
}

void FrmTask::ApplyDefaultWorkDir() {
  auto& dir = Ctl<rt::TextBox>("txtDir");
  const std::string current = dir.Text();
  const std::string proposed = DefaultWorkDir(current, Ctl<rt::TextBox>("txtProg").Text(), Folder::FolderExists);
  if (proposed != current) dir.SetText(proposed);
}

void FrmTask::SetDropDescription(const std::string& desc) {
  // As many characters as the box takes from the keyboard.
  auto& box = Ctl<rt::TextBox>("txtDesc");
  box.SetText(box.MaxLength() > 0 ? desc.substr(0, static_cast<size_t>(box.MaxLength())) : desc);
}

void FrmTask::FillFromShortcut(const std::string& linkFile, const DropPlan& plan) {
  SetDropDescription(plan.desc);
  std::optional<ShortcutTarget> target = ResolveShortcut(linkFile);
  if (!target) {
    // Unreadable: the user types the program; a hidden window would be a trap, so Normal.
    Ctl<rt::TextBox>("txtProg").SetText("");
    Ctl<rt::TextBox>("txtArgs").SetText("");
    Ctl<rt::TextBox>("txtDir").SetText(plan.folder);
    Ctl<rt::ComboBox>("cboWS").SetListIndex(0);
    return;
  }
  ApplyShortcutTarget(*target);
}

void FrmTask::ApplyShortcutTarget(const ShortcutTarget& target) {
  Ctl<rt::TextBox>("txtProg").SetText(target.path);
  Ctl<rt::TextBox>("txtArgs").SetText(target.arguments);
  // A working folder that has gone since the shortcut was made is as good as none.
  Ctl<rt::TextBox>("txtDir").SetText(DefaultWorkDir(target.workingDir, target.path, Folder::FolderExists));
  SelectWinStyle(WinStyleOfShowCommand(target.showCommand));
}

void FrmTask::ProcessDrop(const std::string& fid) {
  if (!Ctl<rt::Container>("fraTask").Visible()) NewTask();
  DropPlan plan = PlanDrop(fid);
  switch (plan.kind) {
    case DropPlan::Kind::Shortcut:
      FillFromShortcut(fid, plan);
      break;
    case DropPlan::Kind::Program:
      SetDropDescription(plan.desc);
      Ctl<rt::TextBox>("txtProg").SetText(fid);
      Ctl<rt::TextBox>("txtArgs").SetText("");
      Ctl<rt::TextBox>("txtDir").SetText(plan.folder);
      Ctl<rt::ComboBox>("cboWS").SetListIndex(0);
      break;
    case DropPlan::Kind::Refused:
      rt::MsgBox(plan.message, MB_OK | MB_ICONEXCLAMATION, kFileDescription, hWnd());
      break;
  }
}

}  // namespace editors
