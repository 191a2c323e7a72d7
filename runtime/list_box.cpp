#include "controls.h"
#include "form.h"

namespace rt {

void ListBox::Create(HWND parent) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (design_.sorted) style |= LBS_SORT;
  if (design_.multiSelect) style |= LBS_EXTENDEDSEL;
  CreateChild(parent, "LISTBOX", style, design_.border ? WS_EX_CLIENTEDGE : 0, "");
}

int ListBox::AddItem(const std::string& text, int index) {
  if (!hwnd_) return -1;
  LRESULT at = index < 0 ? SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()))
                         : SendMessageA(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
  newIndex_ = at < 0 ? -1 : static_cast<int>(at);
  if (newIndex_ >= 0 && newIndex_ <= current_ && MultiSelect()) ++current_;
  return newIndex_;
}

void ListBox::RemoveItem(int index) {
  if (!hwnd_ || SendMessageA(hwnd_, LB_DELETESTRING, index, 0) == LB_ERR) return;
  if (MultiSelect()) {
    if (index == current_) current_ = -1;
    else if (index < current_) --current_;
  }
}

void ListBox::Clear() {
  if (hwnd_) SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  current_ = -1;
  newIndex_ = -1;
}

int ListBox::ListCount() const { return hwnd_ ? static_cast<int>(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)) : 0; }

std::string ListBox::List(int index) const { return ListItemText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index); }

void ListBox::SetList(int index, const std::string& text) {
  if (!hwnd_ || index < 0 || index >= ListCount()) return;
  LONG_PTR data = ItemData(index);
  bool selected = Selected(index);
  int current = ListIndex();
  SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
  SendMessageA(hwnd_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));  // no re-sorting
  SendMessageA(hwnd_, LB_SETITEMDATA, index, data);
  if (MultiSelect()) {
    SendMessageA(hwnd_, LB_SETSEL, selected, index);
  } else if (current == index) {
    SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
  }
}

LONG_PTR ListBox::ItemData(int index) const {
  if (!hwnd_) return 0;
  LRESULT data = SendMessageA(hwnd_, LB_GETITEMDATA, index, 0);
  return data == LB_ERR ? 0 : static_cast<LONG_PTR>(data);
}

void ListBox::SetItemData(int index, LONG_PTR data) {
  if (hwnd_) SendMessageA(hwnd_, LB_SETITEMDATA, index, data);
}

int ListBox::ListIndex() const {
  if (!hwnd_) return -1;
  if (MultiSelect()) return current_ < ListCount() ? current_ : -1;
  return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
}

void ListBox::SetListIndex(int index) {
  if (!hwnd_) return;
  if (index < -1 || index >= ListCount()) index = -1;
  if (MultiSelect()) {
    current_ = index;
    if (index >= 0) SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
  } else {
    SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
  }
  FireClick();
}

bool ListBox::Selected(int index) const {
  if (!hwnd_) return false;
  if (!MultiSelect()) return index >= 0 && index == ListIndex();
  return SendMessageA(hwnd_, LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  if (!hwnd_) return;
  if (MultiSelect()) SendMessageA(hwnd_, LB_SETSEL, selected, index);
  else if (selected) SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
  else if (ListIndex() == index) SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int ListBox::SelCount() const {
  if (!hwnd_) return 0;
  if (!MultiSelect()) return ListIndex() >= 0 ? 1 : 0;
  LRESULT count = SendMessageA(hwnd_, LB_GETSELCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

void ListBox::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE) {
    if (MultiSelect()) current_ = static_cast<int>(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0));
    FireClick();
  } else if (code == LBN_DBLCLK) {
    FireDblClick();
  }
}

}  // namespace rt
