// The Color dialog of comdlg32.
#include <windows.h>
#include <commdlg.h>

#include "color_dialog.h"

namespace os {
namespace {

class RealColorDialog final : public ColorDialog {
 public:
  std::optional<COLORREF> Choose(const ColorRequest& r) override {
    std::array<COLORREF, 16> custom = r.customColors;
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = r.owner;
    cc.hInstance = reinterpret_cast<HWND>(GetModuleHandleA(nullptr));
    cc.rgbResult = r.initial;
    cc.lpCustColors = custom.data();
    cc.Flags = r.flags;
    if (!ChooseColorA(&cc)) return std::nullopt;  // cancelled, or CommDlgExtendedError has why
    return cc.rgbResult;
  }
};

}  // namespace

template <>
ColorDialog& DefaultAdapter<ColorDialog>() {
  static RealColorDialog adapter;
  return adapter;
}

}  // namespace os
