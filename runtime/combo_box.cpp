// Drop-down lists: the user picks, never types.
#include "controls.h"
#include "form.h"
#include "screen.h"

namespace rt {

void ComboBox::Create(HWND parent) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
  if (design_.sorted) style |= CBS_SORT;
  // The window's height includes the dropped list.
  int height = height_;
  height_ = height + static_cast<int>(Screen().PixelsToTwipsY(160));
  CreateChild(parent, "COMBOBOX", style, 0, "");
  height_ = height;
}

int ComboBox::AddItem(const std::string& text, int index) {
  if (!hwnd_) return -1;
  LRESULT at = index < 0 ? SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()))
                         : SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
  newIndex_ = at < 0 ? -1 : static_cast<int>(at);
  return newIndex_;
}

void ComboBox::RemoveItem(int index) {
  if (hwnd_) SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
}

void ComboBox::Clear() {
  if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  newIndex_ = -1;
}

int ComboBox::ListCount() const { return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)) : 0; }

std::string ComboBox::List(int index) const {
  return ListItemText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

LONG_PTR ComboBox::ItemData(int index) const {
  if (!hwnd_) return 0;
  LRESULT data = SendMessageA(hwnd_, CB_GETITEMDATA, index, 0);
  return data == CB_ERR ? 0 : static_cast<LONG_PTR>(data);
}

void ComboBox::SetItemData(int index, LONG_PTR data) {
  if (hwnd_) SendMessageA(hwnd_, CB_SETITEMDATA, index, data);
}

int ComboBox::ListIndex() const {
  return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::SetListIndex(int index) {
  if (!hwnd_) return;
  if (index < -1 || index >= ListCount()) index = -1;
  SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
  FireClick();
}

std::string ComboBox::Text() const { return ListIndex() >= 0 ? List(ListIndex()) : std::string(); }

void ComboBox::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE) FireClick();
}

}  // namespace rt
