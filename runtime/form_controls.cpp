// Building a form's controls from its design, finding them by id or window, and their tool tips.
#include <algorithm>

#include "app.h"
#include "common_controls.h"
#include "form.h"
#include "form_parts.h"

namespace rt {

Control* ControlOf(HWND hwnd) { return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr; }

void Form::BuildControls(const FormSettings& settings) {
  UINT id = 0x8000;  // above every menu id
  for (const ControlDesign& design : settings.controls) {
    Control* container = nullptr;
    if (design.container)
      for (auto& c : parts_->controls)
        if (c->Is(design.container) && (c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox))
          container = c.get();
    std::unique_ptr<Control> control;
    switch (design.kind) {
      case ControlKind::Label: control = std::make_unique<Label>(*this, design, container, id); break;
      case ControlKind::Image: control = std::make_unique<Image>(*this, design, container, id); break;
      case ControlKind::CommandButton: control = std::make_unique<CommandButton>(*this, design, container, id); break;
      case ControlKind::CheckBox: control = std::make_unique<CheckBox>(*this, design, container, id); break;
      case ControlKind::OptionButton: control = std::make_unique<OptionButton>(*this, design, container, id); break;
      case ControlKind::Frame:
      case ControlKind::PictureBox: control = std::make_unique<Container>(*this, design, container, id); break;
      case ControlKind::TextBox: control = std::make_unique<TextBox>(*this, design, container, id); break;
      case ControlKind::ListBox: control = std::make_unique<ListBox>(*this, design, container, id); break;
      case ControlKind::ComboBox: control = std::make_unique<ComboBox>(*this, design, container, id); break;
      case ControlKind::ListView: control = std::make_unique<ListView>(*this, design, container, id); break;
      case ControlKind::ImageList: control = std::make_unique<ImageList>(*this, design, container, id); break;
      case ControlKind::Timer: control = std::make_unique<Timer>(*this, design, container, id); break;
      case ControlKind::OleControl: control = std::make_unique<OleControl>(*this, design, container, id); break;
    }
    ++id;
    parts_->controls.push_back(std::move(control));
  }

  // Containers first (a container precedes its children in the table), then the other windowed
  // controls in tab order: the window order is what TAB follows.
  std::vector<Control*> containers, windowed, other;
  for (auto& c : parts_->controls) {
    bool isContainer = c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox;
    bool hasWindow = !c->IsWindowless() && c->Kind() != ControlKind::Timer && c->Kind() != ControlKind::ImageList &&
                     c->Kind() != ControlKind::OleControl;
    (isContainer ? containers : hasWindow ? windowed : other).push_back(c.get());
  }
  std::stable_sort(windowed.begin(), windowed.end(), [](Control* a, Control* b) {
    int ta = a->design_.tabIndex < 0 ? 0x7FFFFFFF : a->design_.tabIndex;
    int tb = b->design_.tabIndex < 0 ? 0x7FFFFFFF : b->design_.tabIndex;
    return ta < tb;
  });
  auto parentOf = [&](Control* c) { return c->Container() ? c->Container()->hWnd() : hwnd_; };
  for (Control* c : containers) c->Create(parentOf(c));
  for (Control* c : windowed) c->Create(parentOf(c));
  for (Control* c : other) c->Create(parentOf(c));
  parts_->tabOrder = windowed;
  if (!windowed.empty()) {
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    for (Control* c : containers)
      SetWindowLongPtrA(c->hWnd(), GWL_EXSTYLE, GetWindowLongPtrA(c->hWnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  }
  for (auto& c : parts_->controls) UpdateToolTip(*c);
}

Control* Form::ControlById(UINT id) {
  if (!parts_ || id < 0x8000) return nullptr;
  size_t index = id - 0x8000;
  return index < parts_->controls.size() ? parts_->controls[index].get() : nullptr;
}

Control* Form::ControlOfWindow(HWND hwnd) {
  Control* control = ControlOf(hwnd);
  return control && &control->Parent() == this ? control : nullptr;
}

void Form::UpdateToolTip(Control& control) {
  if (!parts_ || !hwnd_ || control.Kind() == ControlKind::Timer || control.Kind() == ControlKind::ImageList) return;
  HWND surface = control.IsWindowless() ? control.SurfaceWindow() : control.hWnd();
  if (!surface) return;
  if (!parts_->toolTip) {
    if (control.ToolTipText().empty()) return;
    EnsureCommonControls();
    parts_->toolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                      CodeModule(), nullptr);
    if (!parts_->toolTip) return;
  }
  TTTOOLINFOA tool = {sizeof tool};
  if (control.IsWindowless()) {
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = surface;
    tool.uId = control.Id();
    tool.rect = control.PixelRect();
  } else {
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = GetParent(surface);
    tool.uId = reinterpret_cast<UINT_PTR>(surface);
  }
  SendMessageA(parts_->toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.ToolTipText().empty() || !control.Visible()) return;
  tool.lpszText = const_cast<char*>(control.ToolTipText().c_str());
  SendMessageA(parts_->toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::ControlMoved(Control& control) {
  if (control.IsWindowless()) UpdateToolTip(control);
}

}  // namespace rt
