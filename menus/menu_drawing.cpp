#include "menu_drawing.h"

#include <algorithm>
#include <vector>

#include "menu_colors.h"

namespace modMenus {
namespace {

EngineColors g_colors{};
bool g_colorsReady = false;

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Polyline(HDC dc, int x, int y, std::initializer_list<POINT> points) {
  std::vector<POINT> shifted(points);
  for (POINT& p : shifted) {
    p.x += x;
    p.y += y;
  }
  ::Polyline(dc, shifted.data(), static_cast<int>(shifted.size()));
}

}  // namespace

void InitDefaultColors() {
  g_colors.highlight = GetSysColor(COLOR_HIGHLIGHT);
  g_colors.menuText = GetSysColor(COLOR_MENUTEXT);
  g_colors.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  g_colors.disabledText = GetSysColor(COLOR_GRAYTEXT);
  g_colors.disabledLight = g_colors.highlightText;
  g_colors.separatorText = g_colors.highlight;
  g_colors.shadow = GetSysColor(COLOR_BTNSHADOW);
  g_colors.light = GetSysColor(COLOR_BTNHIGHLIGHT);
  g_colors.light3D = GetSysColor(COLOR_3DLIGHT);
  g_colorsReady = true;
}

bool ColorsReady() { return g_colorsReady; }

uint32_t SystemColor(int index) { return GetSysColor(index); }

const EngineColors& Colors() {
  if (!g_colorsReady) InitDefaultColors();
  return g_colors;
}

COLORREF ResolveColor(int32_t color) { return modMenus::ResolveColor(color, SystemColor); }

COLORREF ColorFromName(std::string_view value, COLORREF defaultColor) {
  return modMenus::ColorFromName(value, defaultColor, SystemColor);
}

DrawTool::DrawTool(HDC dc, ToolKind kind, int32_t color, bool alsoPen, int width) : dc_(dc) {
  const COLORREF rgb = ResolveColor(color);
  if (kind == ToolKind::TextColor) {
    SetTextColor(dc, rgb);
    return;
  }
  if (kind == ToolKind::Brush) {
    brush_ = CreateSolidBrush(rgb);
    oldBrush_ = SelectObject(dc, brush_);
  }
  if (kind == ToolKind::Pen || alsoPen) {
    pen_ = CreatePen(PS_SOLID, width, rgb);
    oldPen_ = SelectObject(dc, pen_);
  }
}

DrawTool::~DrawTool() {
  if (pen_) {
    SelectObject(dc_, oldPen_);
    DeleteObject(pen_);
  }
  if (brush_) {
    SelectObject(dc_, oldBrush_);
    DeleteObject(brush_);
  }
}

SIZE MeasureText(HDC dc, std::string_view text, UINT format) {
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void DrawBox(HDC dc, int left, int top, int right, int bottom, int32_t fillColor, int32_t borderColor) {
  DrawTool pen(dc, ToolKind::Pen, borderColor == -1 ? fillColor : borderColor);
  DrawTool brush(dc, ToolKind::Brush, fillColor);
  Rectangle(dc, left, top, right, bottom);
}

void DrawEdge3D(HDC dc, int left, int top, int right, int bottom, bool visible, bool shadowFirst, bool etched,
                int width1, int width2, int32_t light, int32_t shadow) {
  if (!dc) return;
  COLORREF lightColor = light == -1 ? Colors().light : ResolveColor(light);
  COLORREF shadowColor = shadow == -1 ? Colors().shadow : ResolveColor(shadow);
  if (!visible) lightColor = shadowColor = GetSysColor(COLOR_MENU);
  const COLORREF first = shadowFirst ? shadowColor : lightColor;
  const COLORREF second = shadowFirst ? lightColor : shadowColor;
  const int firstWidth = shadowFirst ? width2 : width1;
  const int secondWidth = shadowFirst ? width1 : width2;
  if (etched) {
    const int y = shadowFirst ? top : top - 1;
    {
      DrawTool pen(dc, ToolKind::Pen, static_cast<int32_t>(first), false, firstWidth);
      Line(dc, left, y, right - 1, y);
    }
    DrawTool pen(dc, ToolKind::Pen, static_cast<int32_t>(second), false, secondWidth);
    Line(dc, left, y - 1, right - 1, y - 1);
    return;
  }
  {
    DrawTool pen(dc, ToolKind::Pen, static_cast<int32_t>(first), false, firstWidth);
    MoveToEx(dc, left, bottom, nullptr);
    LineTo(dc, left, top);
    LineTo(dc, right, top);
  }
  DrawTool pen(dc, ToolKind::Pen, static_cast<int32_t>(second), false, secondWidth);
  LineTo(dc, right, bottom);
  LineTo(dc, left, bottom);
}

void GradientFill(COLORREF fromColor, COLORREF toColor, bool horizontal, HDC dc, const RECT& rect) {
  const int span = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
  if (span <= 0 || !dc) return;
  const int screen = GetSystemMetrics(horizontal ? SM_CXSCREEN : SM_CYSCREEN);
  const int band = GradientBandWidth(screen, span);
  const std::vector<uint32_t> ramp = horizontal ? MakeColorRamp(static_cast<size_t>(span / band), fromColor, toColor)
                                                : MakeColorRamp(static_cast<size_t>(span / band), toColor, fromColor);
  int at = horizontal ? rect.left : rect.top;
  for (uint32_t color : ramp) {
    if (horizontal)
      DrawBox(dc, at, rect.top, at + band, rect.bottom, static_cast<int32_t>(color));
    else
      DrawBox(dc, rect.left, at, rect.right, at + band, static_cast<int32_t>(color));
    at += band;
  }
  // An odd span in 2-pixel bands leaves one line: it takes the last colour.
  const int end = horizontal ? rect.right : rect.bottom;
  if (at < end && !ramp.empty()) {
    if (horizontal)
      DrawBox(dc, at, rect.top, end, rect.bottom, static_cast<int32_t>(ramp.back()));
    else
      DrawBox(dc, rect.left, at, rect.right, end, static_cast<int32_t>(ramp.back()));
  }
}

void DrawCheckGlyph(HDC dc, const RECT& rect, int left, bool style, int32_t color, int32_t shadowColor) {
  const int x = left + 5;
  const int y = rect.top + (rect.bottom - rect.top - 8) / 2;
  auto pass = [&](int32_t penColor, int dx, int dy) {
    DrawTool pen(dc, ToolKind::Pen, penColor);
    if (!style) {
      Polyline(
          dc, x + dx, y + dy,
          {{1, 4}, {2, 4}, {2, 5}, {3, 5}, {3, 6}, {4, 6}, {4, 4}, {5, 4}, {5, 2}, {6, 2}, {6, 1}, {7, 1}, {7, 0}});
    } else {
      Polyline(dc, x + dx, y + dy, {{1, 3}, {3, 5}, {8, 0}});
      Polyline(dc, x + dx, y + dy, {{1, 4}, {3, 6}, {8, 1}});
    }
  };
  pass(color, 0, 0);
  if (shadowColor != -1) pass(shadowColor, -1, -1);
}

void DrawCaptionGlyph(HDC dc, const RECT& rect, UINT commandId, bool disabled, bool selected) {
  const int x = rect.left + 5;
  const int y = rect.top + (rect.bottom - rect.top - 8) / 2 - 1;
  auto glyph = [&](COLORREF color, int dx, int dy) {
    DrawTool pen(dc, ToolKind::Pen, static_cast<int32_t>(color));
    const int l = x + dx, t = y + dy;
    switch (commandId & 0xFFF0) {
      case SC_MINIMIZE:
        Line(dc, l + 1, t + 7, l + 7, t + 7);
        Line(dc, l + 1, t + 6, l + 7, t + 6);
        break;
      case SC_MAXIMIZE:
        Polyline(dc, l, t, {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}});
        Line(dc, l, t + 1, l + 8, t + 1);
        break;
      case SC_RESTORE:
        Polyline(dc, l, t, {{2, 0}, {8, 0}, {8, 6}, {6, 6}});
        Line(dc, l + 2, t + 1, l + 8, t + 1);
        Polyline(dc, l, t, {{0, 2}, {6, 2}, {6, 8}, {0, 8}, {0, 2}});
        Line(dc, l, t + 3, l + 6, t + 3);
        break;
      case SC_CLOSE:
        Line(dc, l + 1, t + 1, l + 8, t + 8);
        Line(dc, l + 7, t + 1, l, t + 8);
        Line(dc, l + 2, t + 1, l + 8, t + 7);
        Line(dc, l + 6, t + 1, l, t + 7);
        break;
    }
  };
  const EngineColors& c = Colors();
  if (disabled) {
    glyph(c.disabledLight, 1, 1);
    glyph(c.disabledText, 0, 0);
  } else {
    glyph(selected ? c.highlightText : c.menuText, 0, 0);
  }
}

}  // namespace modMenus
