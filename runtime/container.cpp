// Frames and picture boxes: windows of their own that hold and paint other controls.
#include "app.h"
#include "color.h"
#include "controls.h"
#include "form.h"
#include "text_encoding.h"

namespace rt {

LRESULT CALLBACK ContainerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {
const char kContainerClass[] = "TarnwickContainer";

// Registered again after UnregisterContainerClass.
void RegisterContainerClass() {
  WNDCLASSEXA wc = {sizeof wc};
  if (GetClassInfoExA(CodeModule(), kContainerClass, &wc)) return;
  wc = {sizeof wc};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ContainerWindowProc;
  wc.hInstance = CodeModule();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kContainerClass;
  RegisterClassExA(&wc);
}
}  // namespace

void UnregisterContainerClass() { UnregisterClassA(kContainerClass, CodeModule()); }

void Container::Create(HWND parent) {
  RegisterContainerClass();
  bool pictureBox = kind_ == ControlKind::PictureBox;
  DWORD exStyle = pictureBox && design_.border ? WS_EX_CLIENTEDGE : 0;
  if (design_.acceptsFiles) exStyle |= WS_EX_ACCEPTFILES;
  CreateChild(parent, kContainerClass, WS_CLIPCHILDREN, exStyle, caption_, false);
}

void Container::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) {
    SetWindowTextA(hwnd_, caption.c_str());
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

void Container::PaintOwn(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  OleColor back = backColor_ == kNoColor ? SystemColor(COLOR_BTNFACE) : backColor_;
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(back)));
  FillRect(dc, &client, brush.get());
  if (kind_ != ControlKind::Frame) return;
  HGDIOBJ old = SelectObject(dc, font_.get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT edge = client;
  edge.top = metrics.tmHeight / 2;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  if (!caption_.empty()) {
    RECT text{8, 0, client.right - 8, metrics.tmHeight};
    std::wstring caption = WideText(caption_);  // the program's code page, not the font's
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    text.left -= 2;
    text.right += 2;
    FillRect(dc, &text, brush.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(foreColor_ == kNoColor ? SystemColor(COLOR_BTNTEXT) : foreColor_));
    text.left += 2;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
  }
  SelectObject(dc, old);
}

}  // namespace rt
