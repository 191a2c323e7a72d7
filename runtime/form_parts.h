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

// The window class of forms (form_window.cpp), registered on the first load.
inline constexpr char kFormClass[] = "TarnwickForm";
void RegisterFormClass();
// The window style and extended style of a form's window.
DWORD FormStyle(const FormSettings& settings, DWORD& exStyle);
// Sizes the window so that its client area is width by height pixels.
void SetClientSize(HWND hwnd, int width, int height);

// The hidden owner of the forms kept out of the task bar (form_registry.cpp).
HWND ParkingWindow();
struct FormParts;
// What an unload or a failed load leaves, freed by CollectUnloadedForms.
void KeepUntilCollected(std::unique_ptr<FormParts> parts);

// The control a window of the runtime stands for (form_controls.cpp); null for another window.
Control* ControlOf(HWND hwnd);
// A message of the mouse in the client area (form_input.cpp).
bool IsMouseMessage(UINT message);

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
