#include "frm_main.h"

namespace tray {

FrmMain& frmMain() {
  static FrmMain form;
  return form;
}

rt::FormSettings FrmMain::Settings() const {
  rt::FormSettings s;
  s.caption = "Moxbel Tarnwick";
  return s;
}

void FrmMain::Form_Load() {
  list1_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_NOINTEGRALHEIGHT, 80, 16, 81, 43, hWnd(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND FrmMain::List1() {
  Load();
  return list1_;
}

void FrmMain::List1Clear() { SendMessageA(List1(), LB_RESETCONTENT, 0, 0); }

void FrmMain::List1AddItem(const std::string& text) {
  SendMessageA(List1(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int FrmMain::List1ListCount() {
  LRESULT count = SendMessageA(List1(), LB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

std::string FrmMain::List1Item(int index) {
  HWND list = List1();
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace tray
