#pragma once
// The common "Color" dialog, so that tests can answer it.
#include <windows.h>
#include <commdlg.h>

#include <array>
#include <optional>

#include "seam.h"

namespace os {

struct ColorRequest {
  HWND owner = nullptr;
  DWORD flags = 0;        // CC_*
  COLORREF initial = 0;   // with CC_RGBINIT
  std::array<COLORREF, 16> customColors{};
};

class ColorDialog {
 public:
  virtual ~ColorDialog() = default;
  // ChooseColorA; the chosen colour, or nothing when the user cancelled or the dialog failed.
  virtual std::optional<COLORREF> Choose(const ColorRequest& request) = 0;
};

inline ColorDialog& colorDialog() { return Use<ColorDialog>(); }

}  // namespace os
