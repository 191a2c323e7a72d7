#pragma once
// What one load of a form builds, owned together so that an unload can move it aside whole.
#include <memory>
#include <vector>

#include "form.h"
#include "ole/form_model.h"
#include "scoped_win.h"

namespace rt {

// For UnregisterFormWindowClasses.
void UnregisterContainerClass();

struct FormParts {
  GdiObject<HFONT> font;
  GdiObject<HBRUSH> backBrush;
  GdiObject<HBITMAP> picture;
  std::vector<std::unique_ptr<Control>> controls;
  std::vector<Control*> tabOrder;  // the windowed controls that take the focus
  std::unique_ptr<MenuTree> menus;
  HWND toolTip = nullptr;  // owned by the form's window, which destroys it
  // The persistent image of an AutoRedraw form (the DC is declared last, so it goes first).
  GdiObject<HBITMAP> backing;
  SIZE backingSize{0, 0};
  UniqueMemoryDc backingDc;
  // The mouse button went down here; the Click goes where it comes up again.
  HWND pressedSurface = nullptr;
  Control* pressedTarget = nullptr;
  // Declared last: it goes before the controls its objects stand for.
  std::unique_ptr<ole::FormModel> model;
};

}  // namespace rt
