#include <cstdlib>

#include "controls.h"
#include "form.h"
#include "screen.h"

namespace rt {

void ListView::Create(HWND parent) {
  CreateChild(parent, WC_LISTVIEWA, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
              design_.border ? WS_EX_CLIENTEDGE : 0, "");
  ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT);
  // "Status:1200|Task:2400": each column's caption and width in twips.
  std::string columns = design_.columns ? design_.columns : "";
  size_t start = 0;
  while (start < columns.size()) {
    size_t bar = columns.find('|', start);
    std::string column = columns.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    size_t colon = column.rfind(':');
    int width = colon == std::string::npos ? 1440 : std::atoi(column.c_str() + colon + 1);
    AddColumn(column.substr(0, colon), width);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
}

void ListView::AddColumn(const std::string& caption, int widthTwips) {
  if (!hwnd_) return;
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(caption.c_str());
  column.cx = Screen().TwipsToPixelsX(widthTwips);
  column.iSubItem = ColumnCount();
  SendMessageA(hwnd_, LVM_INSERTCOLUMNA, column.iSubItem, reinterpret_cast<LPARAM>(&column));
}

int ListView::ColumnCount() const {
  if (!hwnd_) return 0;
  HWND header = ListView_GetHeader(hwnd_);
  return header ? Header_GetItemCount(header) : 0;
}

int ListView::AddRow(const std::string& text) {
  if (!hwnd_) return 0;
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = const_cast<char*>(text.c_str());
  LRESULT at = SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}

void ListView::SetCell(int row, int column, const std::string& text) {
  if (!hwnd_ || row < 1 || row > RowCount() || column < 1 || column > ColumnCount()) return;
  LVITEMA item = {};
  item.iSubItem = column - 1;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(hwnd_, LVM_SETITEMTEXTA, row - 1, reinterpret_cast<LPARAM>(&item));
}

std::string ListView::Cell(int row, int column) const {
  if (!hwnd_ || row < 1 || row > RowCount() || column < 1) return {};
  char text[1024] = {};
  LVITEMA item = {};
  item.iSubItem = column - 1;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(hwnd_, LVM_GETITEMTEXTA, row - 1, reinterpret_cast<LPARAM>(&item));
  return text;
}

int ListView::RowCount() const { return hwnd_ ? ListView_GetItemCount(hwnd_) : 0; }

void ListView::Clear() {
  if (hwnd_) ListView_DeleteAllItems(hwnd_);
}

}  // namespace rt
