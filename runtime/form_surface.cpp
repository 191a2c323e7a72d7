// What a form and its containers do alike: paint their windowless controls over their
// background, and hand the messages of their surface on (input, commands, child notices).
#include "color.h"
#include "form.h"
#include "form_parts.h"
#include "screen.h"

namespace rt {

Control* Form::WindowlessAt(Control* container, POINT pixel) {
  if (!parts_) return nullptr;
  auto& controls = parts_->controls;
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {  // the last drawn is on top
    Control* c = it->get();
    if (!c->IsWindowless() || c->Container() != container || !c->Visible() || !c->Enabled()) continue;
    RECT r = c->PixelRect();
    if (PtInRect(&r, pixel)) return c;
  }
  return nullptr;
}

void Form::PaintSurface(HWND surface, Control* container, HDC dc) {
  RECT client;
  GetClientRect(surface, &client);
  if (!container && parts_->backingDc) {
    BitBlt(dc, 0, 0, client.right, client.bottom, parts_->backingDc.get(), 0, 0, SRCCOPY);
  } else if (!container) {
    if (!parts_->backBrush) parts_->backBrush.reset(CreateSolidBrush(ToColorRef(backColor_)));
    FillRect(dc, &client, parts_->backBrush.get());
    if (parts_->picture) {
      UniqueMemoryDc source(CreateCompatibleDC(dc));
      HGDIOBJ old = SelectObject(source.get(), parts_->picture.get());
      BITMAP info{};
      GetObjectA(parts_->picture.get(), sizeof info, &info);
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
      SelectObject(source.get(), old);
    }
  } else {
    static_cast<Container*>(container)->PaintOwn(dc);
  }
  for (auto& c : parts_->controls) {
    if (!c->IsWindowless() || c->Container() != container || !c->Visible()) continue;
    RECT r = c->PixelRect();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

bool Form::SurfaceMessage(HWND surface, Control* container, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  if (!parts_) return false;
  if (IsMouseMessage(message)) {
    RouteMouse(surface, container, message, wParam, lParam);
    result = 0;
    return true;
  }
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT draws the whole background
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(surface, &ps);
      PaintSurface(surface, container, dc);
      EndPaint(surface, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      PaintSurface(surface, container, reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_COMMAND:
      if (!RouteCommand(wParam, lParam)) return false;
      result = 0;
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* control = ControlOfWindow(header->hwndFrom);
      if (!control) return false;
      result = control->OnNotify(header);
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->ColorBrush(reinterpret_cast<HDC>(wParam)) : nullptr;
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DROPFILES:
      RouteDrop(surface, container, reinterpret_cast<HDROP>(wParam));
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (!Screen().ApplyMousePointer()) return false;
      result = TRUE;
      return true;
    case WM_TIMER:
      if (auto* timer = dynamic_cast<Timer*>(ControlById(static_cast<UINT>(wParam)))) {
        if (timer->Enabled()) Run(timer, "Timer", [&] { Timer_Timer(*timer); });
        result = 0;
        return true;
      }
      return false;
  }
  return false;
}

// Frames and picture boxes: their window procedure is the form's surface handling.
LRESULT CALLBACK ContainerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* container = ControlOf(hwnd);
  if (message == WM_NCDESTROY) RemovePropA(hwnd, kControlProperty);
  if (!container || !container->hWnd()) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (container->Parent().SurfaceMessage(hwnd, container, message, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace rt
