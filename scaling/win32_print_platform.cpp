#include "win32_print_platform.h"

#include <algorithm>

#include "dll_forms.h"
#include "fix_window.h"
#include "frm_dialog.h"
#include "screen.h"

namespace amb {
namespace {

HWND AsWindow(intptr_t window) { return reinterpret_cast<HWND>(window); }

}  // namespace

Win32PrintPlatform::~Win32PrintPlatform() { CloseDialogOfThisControl(); }

void Win32PrintPlatform::HookWindow(intptr_t window, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                                    int32_t maxHeight) {
  amb::HookWindow(AsWindow(window), minWidth, minHeight, maxWidth, maxHeight);
}

void Win32PrintPlatform::UnhookWindow(intptr_t window) { amb::UnhookWindow(AsWindow(window)); }
int32_t Win32PrintPlatform::LargestWidth() { return amb::LargestWidth(); }
int32_t Win32PrintPlatform::LargestHeight() { return amb::LargestHeight(); }

// On a wide or multi-monitor desktop 32000 twips may still be on screen.
float Win32PrintPlatform::ParkedLeft() {
  int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  return std::max(kParkedLeftTwips, static_cast<float>(rt::Screen().PixelsToTwipsX(right)));
}

int32_t Win32PrintPlatform::PixelsX(float twips) { return rt::Screen().TwipsToPixelsX(twips); }

void Win32PrintPlatform::ShowDialog(bool allowCancel) {
  CollectUnloadedLibraryForms();
  FrmDialog& dialog = frmDialog();
  dialog.TheControl = rt::ComPtr<IDispatch>(control_);
  dialog.Ctl<rt::CommandButton>("cmdCancel").SetVisible(allowCancel);
  dialog.Show();
}

void Win32PrintPlatform::CloseDialog() {
  FrmDialog& dialog = frmDialog();
  dialog.Unload();
  dialog.TheControl.reset();
}

void Win32PrintPlatform::CloseDialogOfThisControl() {
  FrmDialog& dialog = frmDialog();
  if (dialog.TheControl.get() == control_) CloseDialog();
}

bool Win32PrintPlatform::Cancelled() { return PrintCancelledFlag(); }
void Win32PrintPlatform::SetCancelled(bool cancelled) { PrintCancelledFlag() = cancelled; }

}  // namespace amb
