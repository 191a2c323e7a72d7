#include "frm_dialog.h"

#include "dll_forms.h"
#include "scoped_ole.h"
#include "screen.h"
#include "win32_placement_platform.h"

namespace amb {
namespace {

constexpr rt::ControlDesign kControls[] = {
    {.name = "lblMessage", .kind = rt::ControlKind::Label, .left = 240, .top = 240, .width = 3135, .height = 255,
     .caption = "Printing...", .alignment = rt::Alignment::Center},
    {.name = "cmdCancel", .kind = rt::ControlKind::CommandButton, .left = 1200, .top = 720, .width = 1215,
     .height = 375, .caption = "&Cancel", .isCancel = true},
};

// PrintSize(False) on the control, late-bound: the control may come from another build of the
// library than this box.
void CallPrintSizeOff(IDispatch* control) {
  LPOLESTR name = const_cast<LPOLESTR>(L"PrintSize");
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(control->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return;
  rt::Variant off;
  V_VT(off.put()) = VT_BOOL;
  V_BOOL(off.get()) = VARIANT_FALSE;
  DISPPARAMS params{off.get(), nullptr, 1, 0};
  rt::Variant result;
  control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.put(), nullptr, nullptr);
}

}  // namespace

FrmDialog& frmDialog() { return ThreadForm<FrmDialog>(); }

bool& PrintCancelledFlag() {
  thread_local bool cancelled = false;
  return cancelled;
}

rt::FormSettings FrmDialog::Settings() const {
  rt::FormSettings s;
  s.caption = "Ambrelo";
  s.clientWidth = 3615;
  s.clientHeight = 1335;
  s.border = rt::FormBorder::FixedDialog;
  s.controlBox = false;
  s.minButton = s.maxButton = false;
  s.showInTaskbar = false;
  s.startPosition = rt::StartPosition::Manual;
  s.controls = kControls;
  return s;
}

void FrmDialog::Form_Load() {
  Move(rt::Screen().Width() / 2 - Width() / 2, rt::Screen().Height() / 2 - Height() / 2);
  Win32PlacementPlatform().SetTopMost(reinterpret_cast<intptr_t>(hWnd()), true);
}

// Closed by Alt+F4 the box would leave the form printing with no Cancel to reach: only PrintSize
// False takes it down.
void FrmDialog::Form_QueryUnload(int& cancel, rt::UnloadMode mode) {
  if (mode == rt::UnloadMode::FormControlMenu) cancel = 1;
}

// Unloading this box is part of what the call does, so the control is held here until it returns.
void FrmDialog::Control_Click(rt::Control& sender) {
  if (!sender.Is("cmdCancel")) return;
  PrintCancelledFlag() = true;
  FormHandlerScope calling;
  rt::ComPtr<IDispatch> control = TheControl;
  if (control) CallPrintSizeOff(control.get());
}

}  // namespace amb
