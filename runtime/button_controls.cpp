// Command buttons, check boxes and option buttons.
#include "color.h"
#include "controls.h"
#include "form.h"

namespace rt {
std::string CaptionedButton::Caption() const { return WindowText(hwnd_, caption_); }
void CaptionedButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}
void CommandButton::Create(HWND parent) {
  CreateChild(parent, "BUTTON", WS_TABSTOP | (design_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, caption_);
}
void CommandButton::Click() { FireClick(); }
void CommandButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) FireClick();
}

void CheckBox::Create(HWND parent) {
  value_ = design_.value ? 1 : 0;
  CreateChild(parent, "BUTTON", WS_TABSTOP | BS_CHECKBOX, 0, caption_);
  SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}
void CheckBox::SetValue(int value) {
  value = value ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
  FireClick();
}
void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED) SetValue(value_ ? 0 : 1);
}

void OptionButton::Create(HWND parent) {
  value_ = design_.value != 0;
  CreateChild(parent, "BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0, caption_);
  SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}
void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  for (Control* other : form_.Controls()) {
    auto* option = dynamic_cast<OptionButton*>(other);
    if (option && option != this && option->Container() == Container() && option->value_) {
      option->value_ = false;
      if (option->hwnd_) SendMessageA(option->hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  FireClick();
}
void OptionButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) SetValue(true);
}

}  // namespace rt
