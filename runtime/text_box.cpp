#include "controls.h"
#include "form.h"

namespace rt {

void TextBox::Create(HWND parent) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (design_.multiLine) style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (design_.alignment == Alignment::Right) style |= ES_RIGHT;
  else if (design_.alignment == Alignment::Center) style |= ES_CENTER;
  CreateChild(parent, "EDIT", style, design_.border ? WS_EX_CLIENTEDGE : 0, caption_);
  if (design_.maxLength > 0) SendMessageA(hwnd_, EM_LIMITTEXT, design_.maxLength, 0);
}

std::string TextBox::Text() const { return WindowText(hwnd_, caption_); }

void TextBox::SetText(const std::string& text) {
  caption_ = text;
  if (hwnd_) SetWindowTextA(hwnd_, text.c_str());  // the edit control reports the change itself
}

void TextBox::SetMaxLength(int length) {
  design_.maxLength = length < 0 ? 0 : length;
  if (hwnd_) SendMessageA(hwnd_, EM_LIMITTEXT, design_.maxLength, 0);
}

int TextBox::SelStart() const {
  DWORD start = 0;
  if (hwnd_) SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TextBox::SelLength() const {
  DWORD start = 0, end = 0;
  if (hwnd_) SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TextBox::SetSelStart(int start) {
  if (hwnd_) SendMessageA(hwnd_, EM_SETSEL, start, start);  // as the platform did: the selection collapses
}

void TextBox::SetSelLength(int length) {
  int start = SelStart();
  if (hwnd_) SendMessageA(hwnd_, EM_SETSEL, start, start + (length < 0 ? 0 : length));
}

void TextBox::OnCommand(WORD code) {
  if (code == EN_CHANGE) FireChange();
}

}  // namespace rt
