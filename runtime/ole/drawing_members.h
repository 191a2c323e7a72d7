#pragma once
// The drawing members of forms and picture boxes: DrawMode, DrawStyle, DrawWidth, FillStyle,
// FillColor, ForeColor, and the methods Line, Circle and PaintPicture. Coordinates are in the
// surface's scale; what is drawn goes to the surface's drawing DC (the persistent image of an
// AutoRedraw form), then shows.
//
//   Line X1, Y1, X2, Y2, [Color], [Box]     Box: 0 a line, 1 a box ("B"), 2 a filled box ("BF")
//   Circle X, Y, Radius, [Color]            filled with FillColor unless FillStyle is 1
//   PaintPicture Picture, X1, Y1, [Width1], [Height1], [X2], [Y2], [Width2], [Height2]
#include <windows.h>

#include <functional>
#include <span>

#include "automation.h"
#include "color.h"

namespace rt::ole {

enum DrawingMember : DISPID {
  kDrawMode = 100, kDrawStyle, kDrawWidth, kFillStyle, kFillColor, kDrawingForeColor, kLine, kCircle, kPaintPicture
};

extern const MemberInfo kDrawingMembers[9];

// The drawing state of one surface, with the platform's defaults.
struct DrawState {
  LONG drawMode = R2_COPYPEN;
  LONG drawStyle = PS_SOLID;
  LONG drawWidth = 1;
  LONG fillStyle = 1;  // transparent
  OleColor fillColor = 0;
  OleColor foreColor = SystemColor(COLOR_BTNTEXT);
};

// Where a surface's drawing goes.
struct DrawTarget {
  DrawState& state;
  HDC dc;  // null: nothing can be drawn now
  std::function<POINT(double x, double y)> toPixels;
  std::function<void()> show;  // makes what was drawn visible
};

bool IsDrawingMember(DISPID id);
HRESULT RunDrawing(const MemberInfo& member, Call& call, DrawTarget& target);

}  // namespace rt::ole
