#pragma once
// The menu engine's small graphics layer: its colour set, pens and brushes that put back what
// they replaced, filled boxes, raised, sunken and etched edges, gradients and the glyphs it draws
// itself. Every object a call makes is freed before it returns (a DrawTool at its scope's end).
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace modMenus {

struct EngineColors {
  COLORREF highlight, menuText, highlightText, disabledText, disabledLight, separatorText, shadow, light, light3D;
};

// Read once per process from the system colours; later colour changes are not followed.
void InitDefaultColors();
bool ColorsReady();
const EngineColors& Colors();

// The platform's system colour n, for the colour rules that take it as a SystemColorFn.
uint32_t SystemColor(int index);

// A colour value: 0 or more is RGB, negative names a system colour.
COLORREF ResolveColor(int32_t color);
COLORREF ColorFromName(std::string_view value, COLORREF defaultColor);

enum class ToolKind { Brush, Pen, TextColor };

// Selects a solid brush (and with alsoPen a pen of the same colour), a pen, or the text colour
// into a device context for the life of the object, and puts back what it replaced.
class DrawTool {
 public:
  DrawTool(HDC dc, ToolKind kind, int32_t color, bool alsoPen = false, int width = 1);
  ~DrawTool();
  DrawTool(const DrawTool&) = delete;
  DrawTool& operator=(const DrawTool&) = delete;

 private:
  HDC dc_;
  HBRUSH brush_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  HPEN pen_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
};

// The width and height text takes drawn with format (DrawTextA measuring, DT_CALCRECT added).
SIZE MeasureText(HDC dc, std::string_view text, UINT format);

// A rectangle filled with fillColor and outlined in borderColor (-1: in the fill colour).
void DrawBox(HDC dc, int left, int top, int right, int bottom, int32_t fillColor, int32_t borderColor = -1);

// A two-colour frame: light above and left, shadow below and right (raised); shadowFirst swaps
// them (pressed in). Invisible paints the frame out in the menu colour. Etched draws one
// horizontal double line at top (a ridge with shadowFirst, else a groove). light / shadow -1
// take the engine's colours.
void DrawEdge3D(HDC dc, int left, int top, int right, int bottom, bool visible, bool shadowFirst, bool etched = false,
                int width1 = 1, int width2 = 1, int32_t light = -1, int32_t shadow = -1);

// Bands of colour from fromColor to toColor: left to right, or bottom to top.
void GradientFill(COLORREF fromColor, COLORREF toColor, bool horizontal, HDC dc, const RECT& rect);

// The staircase tick (style false) or the two-stroke tick; shadowColor -1 draws no shadow.
void DrawCheckGlyph(HDC dc, const RECT& rect, int left, bool style, int32_t color, int32_t shadowColor);

// The caption-button symbol of SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE and SC_CLOSE.
void DrawCaptionGlyph(HDC dc, const RECT& rect, UINT commandId, bool disabled, bool selected);

}  // namespace modMenus
